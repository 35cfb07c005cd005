#include "chart/step_label.h"
#include "main/psy.h"
#include "numtext/int_text.h"

namespace {
constexpr int Zoom_Step = 5;
constexpr int Smallest_Half_Span = 5;
constexpr int Default_Half_Span = 10;
}  // namespace

void TForm1::ZoomOutClick(ui::Control&) {
    if (Chart.Half_Span == Smallest_Half_Span) ZoomIn->set_enabled(true);
    // The painter disables ZoomOut once the axis is clamped at both ends.
    Chart.Half_Span += Zoom_Step;
    Draw_Chart(Chart.Chart_Mode);
}

void TForm1::ZoomInClick(ui::Control&) {
    if (Chart.Half_Span > Smallest_Half_Span) Chart.Half_Span -= Zoom_Step;
    if (Chart.Half_Span == Smallest_Half_Span) ZoomIn->set_enabled(false);
    ZoomOut->set_enabled(true);
    Draw_Chart(Chart.Chart_Mode);
}

void TForm1::Btn_defaultClick(ui::Control&) {
    Chart.Half_Span = Default_Half_Span;
    ZoomIn->set_enabled(true);
    ZoomOut->set_enabled(true);
    Chart.Center_T = numtext::truncate_to_int(State.Tdb);
    Draw_Chart(Mode_State);
}

void TForm1::DrawPsyExecute() { Draw_Chart(Chart.Chart_Mode); }

void TForm1::Check_unitClick(ui::Control&) { Draw_Chart(Chart.Chart_Mode); }

void TForm1::MoveBarChange(ui::Control&) { Show_Step(*MoveBar, *Move_Label); }
