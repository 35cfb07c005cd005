#include "commands/step_label.h"
#include "commands/zoom_buttons.h"
#include "main/psy.h"
#include "numtext/int_text.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/static_controls.h"

using chart::Mode_State;

namespace hygrodex {

void TForm1::ZoomOutClick(ui::Control&) {
    commands::Zoom_Out(Chart.Half_Span, {*ZoomIn, *ZoomOut});
    Draw_Chart(Chart.Chart_Mode);
}

void TForm1::ZoomInClick(ui::Control&) {
    commands::Zoom_In(Chart.Half_Span, {*ZoomIn, *ZoomOut});
    Draw_Chart(Chart.Chart_Mode);
}

void TForm1::Btn_defaultClick(ui::Control&) {
    commands::Default_Zoom(Chart.Half_Span, {*ZoomIn, *ZoomOut});
    Chart.Center_T = numtext::truncate_to_int(State.Tdb);
    Draw_Chart(Mode_State);
}

void TForm1::DrawPsyExecute() { Draw_Chart(Chart.Chart_Mode); }

void TForm1::Check_unitClick(ui::Control&) { Draw_Chart(Chart.Chart_Mode); }

void TForm1::MoveBarChange(ui::Control&) { commands::Show_Step(*MoveBar, *Move_Label); }

}  // namespace hygrodex
