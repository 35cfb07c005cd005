#include "chart/crosshair_steps.h"

#include "chart/pointer_texts.h"
#include "main/psy.h"

namespace {

void Step_Crosshair(TForm1& form, Crosshair_Move move) {
    const Crosshair_Target target = Step_Target(form.Chart, form.State, move, form.MoveBar->position());
    // A step that fails part-way changes neither the state nor the crosshair text.
    Set_Point(form.State, target.point, target.enthalpy);
    form.StatusBar1->set_panel_text(0, Crosshair_Text(target.point.Tdb, target.point.RH));
    form.Show_State();
}

using enum Step_Line;
constexpr Step_Direction Minus = Step_Direction::Decreasing;
constexpr Step_Direction Plus = Step_Direction::Increasing;

}  // namespace

void TForm1::Btn_upClick(ui::Control&) { Step_Crosshair(*this, {Temperature, Plus}); }
void TForm1::Btn_downClick(ui::Control&) { Step_Crosshair(*this, {Temperature, Minus}); }
void TForm1::Btn_leftClick(ui::Control&) { Step_Crosshair(*this, {Humidity_Ratio, Minus}); }
void TForm1::Btn_rightClick(ui::Control&) { Step_Crosshair(*this, {Humidity_Ratio, Plus}); }
void TForm1::Btn_rh_upClick(ui::Control&) { Step_Crosshair(*this, {Relative_Humidity, Plus}); }
void TForm1::Btn_rh_downClick(ui::Control&) { Step_Crosshair(*this, {Relative_Humidity, Minus}); }
void TForm1::Btn_h_upClick(ui::Control&) { Step_Crosshair(*this, {Enthalpy, Minus}); }
void TForm1::Btn_h_downClick(ui::Control&) { Step_Crosshair(*this, {Enthalpy, Plus}); }
