#pragma once

#include "chart/chart_inputs.h"
#include "ui/buttons.h"

namespace commands {

// The zoom buttons of either window. The half span of the axis moves in steps of 5 degree C and
// no lower than 5, where ZoomIn is disabled; ZoomOut is disabled by the drawing that finds the
// axis cut at both ends, since zooming out further could not widen it.
inline constexpr int Default_Half_Span = 10;

struct Zoom_Buttons {
    ui::Button& ZoomIn;
    ui::Button& ZoomOut;
};

// Widens the axis by 5 degree C on each side; leaving the smallest span enables ZoomIn again.
void Zoom_Out(int& Half_Span, const Zoom_Buttons& buttons);
// Narrows the axis by 5 degree C on each side down to the smallest span; ZoomOut is enabled.
void Zoom_In(int& Half_Span, const Zoom_Buttons& buttons);
// The default half span of 10 with both buttons enabled.
void Default_Zoom(int& Half_Span, const Zoom_Buttons& buttons);

// Applies what a drawing hands back: ZoomOut disabled when the axis was cut at both ends, then the
// error that stopped the drawing, raised again.
void Apply_Outcome(const chart::Chart_Outcome& outcome, ui::Button& ZoomOut);

}  // namespace commands
