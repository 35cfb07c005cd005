#pragma once

#include "chart/chart_families.h"
#include "chart/chart_fields.h"
#include "chart/chart_inputs.h"
#include "chart/kept_picture.h"
#include "chart/label_memo.h"
#include "state/air_state.h"
#include "ui/static_controls.h"

namespace chart {

// Hygrodex's chart painter, kept by its window for the window's life with what it made for the next
// drawing: the background picture for the image's size and the label texts.
class Chart_Painter {
public:
    Chart_Painter();

    // Repaints the whole chart on the image's canvas: sets the axis range (recentred on the state when
    // asked to or when the state has left it) and the scales, rebuilds the four range-dependent line
    // tables, then paints background, pressure, legend, frame, the switched-on line families and the
    // markers of the mode (a Draw_Mode; other values draw no markers and leave Chart_Mode).
    // Needs W_Grid, Sat_X and Sat_Y built and Half_Span in 5..60. A sheet text of modes 1 to 3 that is
    // not a number ends the painting; what was drawn up to it stays, and the outcome carries the
    // numtext::Convert_Error for the window to raise.
    Chart_Outcome Draw_Chart(const Chart_Inputs& inputs, ui::Image& image, Chart_Fields& chart,
                             const state::Air_State& state, int mode);

private:
    Kept_Picture background_;
    Label_Memo<1> pressure_text_;
    Family_Painter families_;
};

}  // namespace chart
