#pragma once

// The panels of the main window's status bar.
namespace moistrel {
inline constexpr int Point_Panel = 0;    // the point of the last click or move on the chart
inline constexpr int Hover_Panel = 1;    // hover hints, and the prompt while the pointer is over the chart
inline constexpr int Readout_Panel = 2;  // the state under the pointer
}  // namespace moistrel
