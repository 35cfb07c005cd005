#include <benchmark/benchmark.h>

#include <QImage>

#include <algorithm>
#include <vector>

#include "main/psy.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/qt/canvas_raster.h"
#include "ui/static_controls.h"

using chart::Mode_State;
using hygrodex::TForm1;

namespace {

// Answers nothing: a full drawing of the start state shows no box.
class Silent_Front_End : public ui::Front_End {
public:
    void run(ui::Form&) override {}
    void run_modal(ui::Form& form) override { form.set_modal_result(ui::Mr_Cancel); }
    void show_message(const ui::Message_Box&) override {}
    void quit() override {}
};

struct Start_Window {
    // The chart's image in device pixels at that device pixel ratio.
    explicit Start_Window(int ratio = 1) : ratio(ratio), image(578 * ratio, 503 * ratio, QImage::Format_RGB32) {
        application.set_front_end(front_end);
        for (const char* line_switch : {"Check_T", "Check_RH", "Check_AH", "Check_Pw", "Check_H", "Check_SV"})
            window.get<ui::Check_Box>(line_switch).set_checked(true);
    }
    // The zoom buttons pressed from the start's span of 10, in steps of 5, up to this span.
    void zoom_to(int half_span) {
        const char* button = half_span < window.view().Chart.Half_Span ? "ZoomIn" : "ZoomOut";
        while (window.view().Chart.Half_Span != half_span) window.get<ui::Button>(button).click();
    }

    Silent_Front_End front_end;
    ui::Application application{"Hygrodex"};
    TForm1& window = application.create_form<TForm1>();
    int ratio;
    QImage image;
    ui::qt::Canvas_Raster raster;
};

// Recording one full drawing of the start state with every line family on.
void BM_Draw_Chart_Recorded(benchmark::State& run) {
    Start_Window start;
    for (auto _ : run) start.window.Draw_Chart(Mode_State);
    run.counters["ops"] = static_cast<double>(start.window.get<ui::Image>("Chart_Image").canvas().ops().size());
}
BENCHMARK(BM_Draw_Chart_Recorded)->Unit(benchmark::kMicrosecond);

// Turning that record into pixels, at device pixel ratios 1 and 2.
void BM_Draw_Chart_Rasterised(benchmark::State& run) {
    Start_Window start(static_cast<int>(run.range(0)));
    start.window.Draw_Chart(Mode_State);
    for (auto _ : run) start.raster.draw(start.window.get<ui::Image>("Chart_Image").canvas(), start.image, start.ratio);
}
BENCHMARK(BM_Draw_Chart_Rasterised)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A user's redraw of the start chart from the handler to the pixels, at device pixel ratios 1 and 2.
void BM_Draw_Chart_At_Ratio(benchmark::State& run) {
    Start_Window start(static_cast<int>(run.range(0)));
    for (auto _ : run) {
        start.window.Draw_Chart(Mode_State);
        start.raster.draw(start.window.get<ui::Image>("Chart_Image").canvas(), start.image, start.ratio);
    }
}
BENCHMARK(BM_Draw_Chart_At_Ratio)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// What a user's redraw costs from the handler to the pixels, at each Half_Span the zoom reaches.
void BM_Draw_Chart_Recorded_And_Rasterised(benchmark::State& run) {
    Start_Window start;
    start.zoom_to(static_cast<int>(run.range(0)));
    for (auto _ : run) {
        start.window.Draw_Chart(Mode_State);
        start.raster.draw(start.window.get<ui::Image>("Chart_Image").canvas(), start.image);
    }
}
// With repetitions, the slowest repetition shows beside the median.
BENCHMARK(BM_Draw_Chart_Recorded_And_Rasterised)
    ->DenseRange(5, 60, 5)
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("max",
                        [](const std::vector<double>& times) { return *std::max_element(times.begin(), times.end()); });

}  // namespace
