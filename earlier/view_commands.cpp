#include "commands/step_label.h"
#include "commands/zoom_buttons.h"
#include "earlier/psy.h"

namespace moistrel {

void TForm1::ZoomOutClick(ui::Control&) {
    commands::Zoom_Out(Chart.Half_Span, {*ZoomIn, *ZoomOut});
    Draw_Chart();
}

void TForm1::ZoomInClick(ui::Control&) {
    commands::Zoom_In(Chart.Half_Span, {*ZoomIn, *ZoomOut});
    Draw_Chart();
}

// The chart is always centred on Tdb, so the default view has no centre to reset.
void TForm1::BitBtn5Click(ui::Control&) {
    commands::Default_Zoom(Chart.Half_Span, {*ZoomIn, *ZoomOut});
    Draw_Chart();
}

void TForm1::DrawPsyExecute() { Draw_Chart(); }

void TForm1::MoveBarChange(ui::Control&) { commands::Show_Step(*MoveBar, *Move_Label); }

}  // namespace moistrel
