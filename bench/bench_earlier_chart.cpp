#include <benchmark/benchmark.h>

#include <QImage>

#include "earlier/psy.h"
#include "tests/support/earlier_start_chart.h"
#include "tests/support/headless_front_end.h"
#include "ui/buttons.h"
#include "ui/qt/canvas_raster.h"
#include "ui/static_controls.h"

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

namespace {

// Moistrel's window at its start with every family ticked: a redraw through the line switches'
// handler, as a user's tick asks for it.
struct Earlier_Start_Window {
    Earlier_Start_Window() {
        for (const char* line_switch : {"Check_AH", "Check_H", "Check_SV"})
            window.get<ui::Check_Box>(line_switch).set_checked(true);
    }
    static moistrel::TForm1& create_window(ui::Application& application, ui::Front_End& front_end) {
        application.set_front_end(front_end);
        return application.create_form<moistrel::TForm1>();
    }
    test_support::Headless_Front_End front_end;
    ui::Application application{"Moistrel"};
    moistrel::TForm1& window = create_window(application, front_end);
    ui::Action& redraw = *window.find_action("DrawPsy");
    ui::Canvas& canvas = window.get<ui::Image>("Chart_Image").canvas();
    QImage picture{577, 497, QImage::Format_RGB32};
};

void BM_Earlier_Window_Redraw(benchmark::State& run) {
    Earlier_Start_Window start;
    for (auto _ : run) {
        start.redraw.execute();
        ui::qt::rasterise(start.canvas, start.picture);
    }
    run.counters["ops"] = static_cast<double>(start.canvas.ops().size());
}
BENCHMARK(BM_Earlier_Window_Redraw)->Unit(benchmark::kMicrosecond);

}  // namespace
