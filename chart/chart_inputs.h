#pragma once

#include <exception>
#include <string>

namespace chart {

// What a window hands its painter, and what the painter hands back for the window to apply. The
// painter reads no control itself.

// The main window's switches.
struct Chart_Switches {
    bool centralize = false;  // recentre the axis on the state at every drawing
    bool unit_label = false;  // the legend of units
    bool rh_lines = false;
    bool t_lines = false;
    bool ah_lines = false;
    bool pw_lines = false;
    bool h_lines = false;
    bool sv_lines = false;
};

// A point of a sheet as its two edits show it; the texts are converted only when the markers
// reach the point, so a bad text still leaves the drawing made before it.
struct Sheet_Point_Texts {
    std::string Tdb;
    std::string AH;
};

struct Chart_Inputs {
    Chart_Switches switches;
    Sheet_Point_Texts process_1;
    Sheet_Point_Texts process_2;
    Sheet_Point_Texts pad_after;
    Sheet_Point_Texts vpd_leaf;
};

struct Chart_Outcome {
    // The axis is cut at both ends, so zooming out cannot widen it: the window disables ZoomOut.
    bool disable_zoom_out = false;
    // The error that ended the painting early, for the window to raise once it has applied the
    // rest of the outcome; the picture keeps what was drawn before it.
    std::exception_ptr stopped_by;
};

}  // namespace chart
