#include "commands/zoom_buttons.h"

#include <exception>

using chart::Chart_Outcome;

namespace commands {

namespace {
constexpr int Zoom_Step = 5;
constexpr int Smallest_Half_Span = 5;
}  // namespace

void Zoom_Out(int& Half_Span, const Zoom_Buttons& buttons) {
    if (Half_Span == Smallest_Half_Span) buttons.ZoomIn.set_enabled(true);
    Half_Span += Zoom_Step;
}

void Zoom_In(int& Half_Span, const Zoom_Buttons& buttons) {
    if (Half_Span > Smallest_Half_Span) Half_Span -= Zoom_Step;
    if (Half_Span == Smallest_Half_Span) buttons.ZoomIn.set_enabled(false);
    buttons.ZoomOut.set_enabled(true);
}

void Default_Zoom(int& Half_Span, const Zoom_Buttons& buttons) {
    Half_Span = Default_Half_Span;
    buttons.ZoomIn.set_enabled(true);
    buttons.ZoomOut.set_enabled(true);
}

void Apply_Outcome(const Chart_Outcome& outcome, ui::Button& ZoomOut) {
    if (outcome.disable_zoom_out) ZoomOut.set_enabled(false);
    if (outcome.stopped_by) std::rethrow_exception(outcome.stopped_by);
}

}  // namespace commands
