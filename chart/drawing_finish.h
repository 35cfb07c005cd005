#pragma once

#include <exception>
#include <utility>

#include "chart/chart_inputs.h"
#include "ui/static_controls.h"

namespace chart {

// Whatever way a drawing ends, the next one must find the pen one pixel wide, and the image must
// show what was drawn up to there.
class Drawing_Finish {
public:
    explicit Drawing_Finish(ui::Image& image) : image_(image) {}
    ~Drawing_Finish() {
        image_.canvas().pen.width = 1;
        image_.canvas_changed();
    }
    Drawing_Finish(const Drawing_Finish&) = delete;
    Drawing_Finish& operator=(const Drawing_Finish&) = delete;

private:
    ui::Image& image_;
};

// Paints after the axis has been set: an error that stops the painting travels in the outcome, so
// that the window applies what the axis decided before it raises the error.
template <class Paint>
Chart_Outcome Paint_After_Axis(bool axis_cut, Paint&& paint) {
    Chart_Outcome outcome;
    outcome.disable_zoom_out = axis_cut;
    try {
        std::forward<Paint>(paint)();
    } catch (...) {
        outcome.stopped_by = std::current_exception();
    }
    return outcome;
}

}  // namespace chart
