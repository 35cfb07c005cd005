#include <benchmark/benchmark.h>

#include <QImage>

#include "tests/support/earlier_start_chart.h"
#include "ui/qt/canvas_raster.h"

namespace {

// Moistrel's start: 101.325 kPa, Tdb 20, RH 50, the 20-degree axis, every family on.
struct Earlier_Start : Earlier_Start_Chart {
    void draw() { Earlier_Start_Chart::draw(Every_Family); }
    QImage picture{577, 497, QImage::Format_RGB32};
};

void BM_Earlier_Chart_Recorded(benchmark::State& run) {
    Earlier_Start start;
    for (auto _ : run) start.draw();
    run.counters["ops"] = static_cast<double>(start.image.canvas().ops().size());
}
BENCHMARK(BM_Earlier_Chart_Recorded)->Unit(benchmark::kMicrosecond);

void BM_Earlier_Chart_Rasterised(benchmark::State& run) {
    Earlier_Start start;
    start.draw();
    for (auto _ : run) ui::qt::rasterise(start.image.canvas(), start.picture);
}
BENCHMARK(BM_Earlier_Chart_Rasterised)->Unit(benchmark::kMicrosecond);

// A user's redraw from the painter to the pixels.
void BM_Earlier_Chart_Recorded_And_Rasterised(benchmark::State& run) {
    Earlier_Start start;
    for (auto _ : run) {
        start.draw();
        ui::qt::rasterise(start.image.canvas(), start.picture);
    }
}
BENCHMARK(BM_Earlier_Chart_Recorded_And_Rasterised)->Unit(benchmark::kMicrosecond);

}  // namespace
