#include "chart/crosshair_steps.h"

#include "chart/pointer_texts.h"
#include "main/handler_table.h"
#include "main/psy.h"
#include "ui/containers.h"

using chart::Crosshair_Move;
using chart::Crosshair_Target;
using chart::Crosshair_Text;
using chart::Set_Point;
using chart::Step_Direction;
using chart::Step_Line;
using chart::Step_Target;

namespace hygrodex {

void TForm1::Step_Crosshair(const Crosshair_Move& move) {
    const Crosshair_Target target = Step_Target(Chart, State, move, MoveBar->position());
    // A step that fails part-way changes neither the state nor the crosshair text.
    Set_Point(State, target.point, target.enthalpy);
    StatusBar1->set_panel_text(0, Crosshair_Text(target.point.Tdb, target.point.RH));
    Show_State();
}

void TForm1::Bind_Crosshair() {
    using enum Step_Line;
    constexpr Step_Direction Minus = Step_Direction::Decreasing;
    constexpr Step_Direction Plus = Step_Direction::Increasing;
    const auto step = [this](Crosshair_Move move) { return [this, move] { Step_Crosshair(move); }; };
    const Handler handlers[] = {
        {"Btn_upClick", step({Temperature, Plus})},          {"Btn_downClick", step({Temperature, Minus})},
        {"Btn_leftClick", step({Humidity_Ratio, Minus})},    {"Btn_rightClick", step({Humidity_Ratio, Plus})},
        {"Btn_rh_upClick", step({Relative_Humidity, Plus})}, {"Btn_rh_downClick", step({Relative_Humidity, Minus})},
        {"Btn_h_upClick", step({Enthalpy, Minus})},          {"Btn_h_downClick", step({Enthalpy, Plus})},
    };
    Bind_Named_Handlers(*this, handlers);
}

}  // namespace hygrodex
