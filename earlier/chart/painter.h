#pragma once

#include "chart/chart_fields.h"
#include "chart/chart_inputs.h"
#include "chart/kept_picture.h"
#include "earlier/chart/ah_lines.h"
#include "state/air_state.h"
#include "ui/static_controls.h"

namespace moistrel {

// Moistrel's five line switches.
struct Line_Switches {
    bool rh_lines = false;
    bool t_lines = false;
    bool ah_lines = false;
    bool h_lines = false;
    bool sv_lines = false;
};

// Moistrel's chart painter, kept by its window for the window's life with the white picture it
// made for the image's size.
class Chart_Painter {
public:
    Chart_Painter();

    // Repaints Moistrel's chart on the image's canvas, always centred on the state's Tdb: sets the
    // axis (each edge truncated on its own) and the scales, rebuilds the H and SV tables for it, then
    // paints a white picture of the image's size, the saturation curve with the right edge and the
    // bottom axis in black, the state's markers in blue, and over them the switched-on families: RH
    // red, T blue at every degree, AH green, H blue, SV black. Texts keep the canvas's font and brush.
    // Needs W_Grid, Sat_X, Sat_Y and the AH lines built and Half_Span in 5..60.
    chart::Chart_Outcome Draw_Chart(const Line_Switches& switches, ui::Image& image, chart::Chart_Fields& chart,
                                    const AH_Lines& ah_lines, const state::Air_State& state);

private:
    chart::Kept_Picture white_;
};

}  // namespace moistrel
