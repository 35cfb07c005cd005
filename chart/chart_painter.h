#pragma once

#include "chart/chart_fields.h"
#include "state/air_state.h"
#include "ui/buttons.h"
#include "ui/edit.h"
#include "ui/static_controls.h"

// The controls the painter reads and writes; the main window hands in its own.
struct Chart_Controls {
    ui::Image& image;
    ui::Check_Box& centralize;  // Check_auto
    ui::Check_Box& unit_label;  // Check_unit
    ui::Check_Box& rh_lines;
    ui::Check_Box& t_lines;
    ui::Check_Box& ah_lines;
    ui::Check_Box& pw_lines;
    ui::Check_Box& h_lines;
    ui::Check_Box& sv_lines;
    ui::Button& zoom_out;
    ui::Edit& process_tdb1;
    ui::Edit& process_ah1;
    ui::Edit& process_tdb2;
    ui::Edit& process_ah2;
    ui::Edit& pad_tdb2;
    ui::Edit& pad_ah2;
    ui::Edit& vpd_tdb2;
    ui::Edit& vpd_ah2;
};

// Repaints the whole chart on the image's canvas: sets the axis range (recentred on the state when
// asked to or when the state has left it) and the scales, rebuilds the four range-dependent line
// tables, then paints background, pressure, legend, frame, the switched-on line families and the
// markers of the mode (a Draw_Mode; other values draw no markers and leave Chart_Mode).
// Needs W_Grid, Sat_X and Sat_Y built and Half_Span in 5..60. A sheet text of modes 1 to 3 that is
// not a number ends the drawing with numtext::Convert_Error; what was drawn up to it stays.
void Draw_Chart(const Chart_Controls& controls, Chart_Fields& chart, const Air_State& state, int mode);
