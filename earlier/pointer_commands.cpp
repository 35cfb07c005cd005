#include "chart/derive_state.h"
#include "chart/pixel_to_point.h"
#include "chart/pointer_state.h"
#include "earlier/chart/moves.h"
#include "earlier/chart/pointer_texts.h"
#include "earlier/psy.h"
#include "earlier/status_panels.h"
#include "ui/containers.h"

using chart::Chart_Point;
using chart::Map_Pixel;
using chart::Set_Point;
using chart::State_Under_Pointer;

namespace moistrel {

void TForm1::Show_Pointer_State(int X, int Y) {
    StatusBar1->set_panel_text(Readout_Panel, Pointer_Readout(State_Under_Pointer(Chart, State.Patm, X, Y)));
    StatusBar1->set_panel_text(Hover_Panel, Pointer_Prompt);
}

// An edit that has the focus keeps it, and its exit handler takes the shown value later.
void TForm1::Take_Pixel(int X, int Y) { Take_Point(Map_Pixel(Chart, State.Patm, X, Y)); }

// The step is read afresh at every press.
void TForm1::Move_State(Move_Button button) { Take_Point(Move_Target(Chart, State, button, MoveBar->position())); }

// A point whose derivation fails changes neither the state nor the point text.
void TForm1::Take_Point(const Chart_Point& point) {
    Set_Point(State, point);
    StatusBar1->set_panel_text(Point_Panel, Point_Text(point.Tdb, point.RH));
    Show_State();
}

}  // namespace moistrel
