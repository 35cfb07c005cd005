#include <functional>
#include <utility>

#include "earlier/psy.h"
#include "ui/calling.h"

namespace moistrel {

namespace {

using Notify_Handler = void (TForm1::*)(ui::Control&);

struct Entry_Binding {
    ui::Edit* TForm1::*edit;
    Notify_Handler enter;
    Notify_Handler exit;
};

// The seven fields that take input; H, SV, Hfg and Pws have no handler but the key filter.
constexpr Entry_Binding Entry_Bindings[] = {
    {&TForm1::Edit_tdb, &TForm1::Edit_tdbEnter, &TForm1::Edit_tdbExit},
    {&TForm1::Edit_rh, &TForm1::Edit_rhEnter, &TForm1::Edit_rhExit},
    {&TForm1::Edit_twb, &TForm1::Edit_twbEnter, &TForm1::Edit_twbExit},
    {&TForm1::Edit_tdp, &TForm1::Edit_tdpEnter, &TForm1::Edit_tdpExit},
    {&TForm1::Edit_ah, &TForm1::Edit_ahEnter, &TForm1::Edit_ahExit},
    {&TForm1::Edit_dos, &TForm1::Edit_dosEnter, &TForm1::Edit_dosExit},
    {&TForm1::Edit_pw, &TForm1::Edit_pwEnter, &TForm1::Edit_pwExit},
};

constexpr ui::Edit* TForm1::*Panel_Edits[] = {
    &TForm1::Edit_tdb, &TForm1::Edit_rh,  &TForm1::Edit_twb, &TForm1::Edit_tdp, &TForm1::Edit_ah,  &TForm1::Edit_h,
    &TForm1::Edit_sv,  &TForm1::Edit_hfg, &TForm1::Edit_dos, &TForm1::Edit_pws, &TForm1::Edit_pw,
};

}  // namespace

void TForm1::Bind_Handlers() {
    for (const Entry_Binding& binding : Entry_Bindings) {
        ui::Edit& edit = *(this->*binding.edit);
        edit.OnEnter = ui::calling(this, binding.enter);
        edit.OnExit = ui::calling(this, binding.exit);
    }
    for (ui::Edit* TForm1::*edit : Panel_Edits) (this->*edit)->OnKeyPress = ui::calling(this, &TForm1::EditKeyPress);

    using Mouse_Move_Handler = void (TForm1::*)(ui::Control&, ui::Shift_State, int, int);
    const std::pair<ui::Control*, Mouse_Move_Handler> hovers[] = {
        {GroupBox1, &TForm1::GroupBox1MouseMove}, {GroupBox2, &TForm1::GroupBox2MouseMove},
        {GroupBox3, &TForm1::GroupBox3MouseMove}, {GroupBox4, &TForm1::GroupBox4MouseMove},
        {Button1, &TForm1::Button1MouseMove},     {this, &TForm1::FormMouseMove},
    };
    for (const auto& [control, handler] : hovers) control->OnMouseMove = ui::calling(this, handler);

    const std::pair<ui::Control*, Notify_Handler> buttons[] = {
        {ZoomOut, &TForm1::ZoomOutClick}, {ZoomIn, &TForm1::ZoomInClick},     {BitBtn5, &TForm1::BitBtn5Click},
        {Btn_up, &TForm1::Btn_upClick},   {Btn_down, &TForm1::Btn_downClick}, {Btn_left, &TForm1::Btn_leftClick},
        {Btn_right, &TForm1::Btn_rightClick},
    };
    for (const auto& [button, handler] : buttons) button->OnClick = ui::calling(this, handler);
    // The hidden Hfg switch has no handler.
    for (ui::Check_Box* line_switch : {Check_T, Check_RH, Check_AH, Check_H, Check_SV})
        line_switch->OnClick = [this](ui::Control&) { DrawPsyExecute(); };
    DrawPsy->OnExecute = [this](ui::Action&) { DrawPsyExecute(); };
    Chart_Image->OnMouseMove = ui::calling(this, &TForm1::Chart_ImageMouseMove);
    Chart_Image->OnMouseDown = ui::calling(this, &TForm1::Chart_ImageMouseDown);
    MoveBar->OnChange = ui::calling(this, &TForm1::MoveBarChange);
    N3->OnClick = ui::calling(this, &TForm1::N3Click);
    M_about->OnClick = ui::calling(this, &TForm1::M_aboutClick);
    Exit->OnExecute = [this](ui::Action&) { ExitExecute(); };
    // The exit button runs its action.
    Button1->OnClick = [this](ui::Control&) { Exit->execute(); };
}

}  // namespace moistrel
