#include "chart/derive_state.h"
#include "chart/pixel_to_point.h"
#include "chart/pointer_state.h"
#include "chart/pointer_texts.h"
#include "main/psy.h"
#include "ui/containers.h"
#include "ui/static_controls.h"

using chart::Chart_Point;
using chart::Crosshair_Text;
using chart::Map_Pixel;
using chart::Pointer_Readout;
using chart::Set_Point;
using chart::State_Under_Pointer;

namespace hygrodex {

void TForm1::Chart_ImageMouseMove(ui::Control&, ui::Shift_State, int X, int Y) {
    StatusBar1->set_panel_text(1, Pointer_Readout(State_Under_Pointer(Chart, State.Patm, X, Y)));
}

// Every mouse button sets the state.
void TForm1::Chart_ImageMouseDown(ui::Control&, ui::Mouse_Button, ui::Shift_State, int X, int Y) {
    // A pending entry is taken (and may redraw the chart) before the click overrides the state.
    Group_message->set_focus();
    for (ui::Label* line : {Message1, Message2, Message3}) line->set_caption("");
    for (ui::Edit* difference : Col_two_diff.edits) difference->set_text("");
    const Chart_Point point = Map_Pixel(Chart, State.Patm, X, Y);
    StatusBar1->set_panel_text(0, Crosshair_Text(point.Tdb, point.RH));
    Set_Point(State, point);
    Show_State();
}

}  // namespace hygrodex
