#include <array>
#include <functional>
#include <utility>

#include "main/psy.h"
#include "ui/calling.h"

namespace {

using Key_Filter = void (TForm1::*)(ui::Control&, char&);
using Enter_Handler = void (TForm1::*)(ui::Control&);
using Mouse_Move_Handler = void (TForm1::*)(ui::Control&, ui::Shift_State, int, int);
using Click_Handler = void (TForm1::*)(ui::Control&);
using Menu_Handler = void (TForm1::*)(ui::Menu_Item&);

// Each sheet's key filter on its columns (the Process Diff. column has none).
constexpr std::pair<State_Column TForm1::*, Key_Filter> Column_Key_Filters[] = {
    {&TForm1::Col_state, &TForm1::EditKeyPress},
    {&TForm1::Col_two1, &TForm1::Edit_2KeyPress},
    {&TForm1::Col_two2, &TForm1::Edit_2KeyPress},
    {&TForm1::Col_pad_outdoor, &TForm1::Edit_pKeyPress},
    {&TForm1::Col_pad_after, &TForm1::Edit_pKeyPress},
    {&TForm1::Col_vpd_air, &TForm1::Edit_vKeyPress},
    {&TForm1::Col_vpd_leaf, &TForm1::Edit_vKeyPress},
};

// The columns that show the current state; each row's hint is the same on all of them.
constexpr State_Column TForm1::*Current_State_Columns[] = {
    &TForm1::Col_state, &TForm1::Col_two1, &TForm1::Col_two2, &TForm1::Col_pad_outdoor, &TForm1::Col_vpd_air};

constexpr std::array<Enter_Handler, Row_Count> Row_Enter_Handlers = {
    &TForm1::Edit_tdbEnter, &TForm1::Edit_rhEnter,  &TForm1::Edit_twbEnter, &TForm1::Edit_tdpEnter,
    &TForm1::Edit_ahEnter,  &TForm1::Edit_hEnter,   &TForm1::Edit_svEnter,  &TForm1::Edit_hfgEnter,
    &TForm1::Edit_dosEnter, &TForm1::Edit_pwsEnter, &TForm1::Edit_pwEnter,
};

using Exit_Handler = void (TForm1::*)(ui::Control&);

// The entries of a current-state column, by row.
struct Exit_Binding {
    State_Column TForm1::*column;
    Row row;
    Exit_Handler handler;
};

constexpr Exit_Binding Entry_Exits[] = {
    {&TForm1::Col_state, Row::Tdb, &TForm1::Edit_tdbExit}, {&TForm1::Col_state, Row::RH, &TForm1::Edit_rhExit},
    {&TForm1::Col_state, Row::Twb, &TForm1::Edit_twbExit}, {&TForm1::Col_state, Row::Tdp, &TForm1::Edit_tdpExit},
    {&TForm1::Col_state, Row::AH, &TForm1::Edit_ahExit},   {&TForm1::Col_state, Row::H, &TForm1::Edit_hExit},
    {&TForm1::Col_state, Row::SV, &TForm1::Edit_svExit},   {&TForm1::Col_state, Row::DOS, &TForm1::Edit_dosExit},
    {&TForm1::Col_state, Row::Pw, &TForm1::Edit_pwExit},
    {&TForm1::Col_two1, Row::Tdb, &TForm1::Edit_2tdb1Exit},
    {&TForm1::Col_two1, Row::RH, &TForm1::Edit_2rh1Exit},
    {&TForm1::Col_two1, Row::Twb, &TForm1::Edit_2twb1Exit},
    {&TForm1::Col_two1, Row::Tdp, &TForm1::Edit_2tdp1Exit},
    {&TForm1::Col_two1, Row::AH, &TForm1::Edit_2ah1Exit},
    {&TForm1::Col_two1, Row::H, &TForm1::Edit_2h1Exit},
    {&TForm1::Col_two1, Row::SV, &TForm1::Edit_2sv1Exit},
    {&TForm1::Col_two1, Row::DOS, &TForm1::Edit_2dos1Exit},
    {&TForm1::Col_two1, Row::Pw, &TForm1::Edit_2pw1Exit},
    {&TForm1::Col_two2, Row::Tdb, &TForm1::Edit_2tdb2Exit},
    {&TForm1::Col_two2, Row::RH, &TForm1::Edit_2rh2Exit},
    {&TForm1::Col_two2, Row::Twb, &TForm1::Edit_2twb2Exit},
    {&TForm1::Col_two2, Row::Tdp, &TForm1::Edit_2tdp2Exit},
    {&TForm1::Col_two2, Row::AH, &TForm1::Edit_2ah2Exit},
    {&TForm1::Col_two2, Row::H, &TForm1::Edit_2h2Exit},
    {&TForm1::Col_two2, Row::SV, &TForm1::Edit_2sv2Exit},
    {&TForm1::Col_two2, Row::DOS, &TForm1::Edit_2dos2Exit},
    {&TForm1::Col_two2, Row::Pw, &TForm1::Edit_2pw2Exit},
    {&TForm1::Col_pad_outdoor, Row::Tdb, &TForm1::Edit_ptdb1Exit},
    {&TForm1::Col_pad_outdoor, Row::RH, &TForm1::Edit_prh1Exit},
    {&TForm1::Col_pad_outdoor, Row::Twb, &TForm1::Edit_ptwb1Exit},
    {&TForm1::Col_pad_outdoor, Row::Tdp, &TForm1::Edit_ptdp1Exit},
    {&TForm1::Col_pad_outdoor, Row::AH, &TForm1::Edit_pah1Exit},
    {&TForm1::Col_pad_outdoor, Row::H, &TForm1::Edit_ph1Exit},
    {&TForm1::Col_pad_outdoor, Row::SV, &TForm1::Edit_psv1Exit},
    {&TForm1::Col_pad_outdoor, Row::DOS, &TForm1::Edit_pdos1Exit},
    {&TForm1::Col_pad_outdoor, Row::Pw, &TForm1::Edit_ppw1Exit},
    {&TForm1::Col_vpd_air, Row::Tdb, &TForm1::Edit_vtdb1Exit},
    {&TForm1::Col_vpd_air, Row::RH, &TForm1::Edit_vrh1Exit},
    {&TForm1::Col_vpd_air, Row::Twb, &TForm1::Edit_vtwb1Exit},
    {&TForm1::Col_vpd_air, Row::Tdp, &TForm1::Edit_vtdp1Exit},
    {&TForm1::Col_vpd_air, Row::AH, &TForm1::Edit_vah1Exit},
    {&TForm1::Col_vpd_air, Row::H, &TForm1::Edit_vh1Exit},
    {&TForm1::Col_vpd_air, Row::SV, &TForm1::Edit_vsv1Exit},
    {&TForm1::Col_vpd_air, Row::DOS, &TForm1::Edit_vdos1Exit},
    {&TForm1::Col_vpd_air, Row::Pw, &TForm1::Edit_vpw1Exit},
};

}  // namespace

// Binds the handlers that exist to their controls' events.
void TForm1::Bind_Handlers() {
    ZoomOut->OnClick = ui::calling(this, &TForm1::ZoomOutClick);
    ZoomIn->OnClick = ui::calling(this, &TForm1::ZoomInClick);
    Btn_default->OnClick = ui::calling(this, &TForm1::Btn_defaultClick);
    for (ui::Check_Box* line_switch : {Check_T, Check_RH, Check_AH, Check_H, Check_SV, Check_Pw})
        line_switch->OnClick = [this](ui::Control&) { DrawPsyExecute(); };
    DrawPsy->OnExecute = [this](ui::Action&) { DrawPsyExecute(); };
    Check_unit->OnClick = ui::calling(this, &TForm1::Check_unitClick);
    MoveBar->OnChange = ui::calling(this, &TForm1::MoveBarChange);
    PageControl1->OnChange = ui::calling(this, &TForm1::PageControl1Change);
    Exit->OnExecute = [this](ui::Action&) { ExitExecute(); };
    N3->OnClick = ui::calling(this, &TForm1::N3Click);
    M_about->OnClick = ui::calling(this, &TForm1::M_aboutClick);
    const std::pair<ui::Menu_Item*, Menu_Handler> table_entries[] = {
        {Twbf, &TForm1::TwbfClick},   {WBDf, &TForm1::WBDfClick},   {RHf, &TForm1::RHfClick},
        {VPDf1, &TForm1::VPDf1Click}, {VPDf2, &TForm1::VPDf2Click}, {Tdpf1, &TForm1::Tdpf1Click},
        {Tdpf2, &TForm1::Tdpf2Click}, {THIf1, &TForm1::THIf1Click}, {THIf2, &TForm1::THIf2Click},
        {AHDf1, &TForm1::AHDf1Click}, {AHDf2, &TForm1::AHDf2Click},
    };
    for (const auto& [item, handler] : table_entries) item->OnClick = ui::calling(this, handler);
    for (const Exit_Binding& binding : Entry_Exits)
        (this->*binding.column)[binding.row].OnExit = ui::calling(this, binding.handler);
    Col_pad_after[Row::Tdb].OnExit = ui::calling(this, &TForm1::Edit_ptdb2Exit);
    Edit_peff->OnExit = ui::calling(this, &TForm1::Edit_peffExit);
    Col_vpd_leaf[Row::Tdb].OnExit = ui::calling(this, &TForm1::Edit_vtdb2Exit);
    const std::pair<ui::Control*, Click_Handler> sheet_buttons[] = {
        {SBtn_two1, &TForm1::SBtn_two1Click},   {SBtn_two2, &TForm1::SBtn_two2Click},
        {Btn_2cal, &TForm1::Btn_2calClick},     {Btn_efficiency, &TForm1::Btn_efficiencyClick},
        {Btn_vpd, &TForm1::Btn_vpdClick},
    };
    for (const auto& [button, handler] : sheet_buttons) button->OnClick = ui::calling(this, handler);

    for (const auto& [column, filter] : Column_Key_Filters)
        for (ui::Edit* edit : (this->*column).edits) edit->OnKeyPress = ui::calling(this, filter);
    Edit_peff->OnKeyPress = ui::calling(this, &TForm1::Edit_pKeyPress);

    for (State_Column TForm1::*column : Current_State_Columns)
        for (const Row_Info& info : State_Rows)
            (this->*column)[info.row].OnEnter = ui::calling(this, Row_Enter_Handlers[row_index(info.row)]);
    Col_vpd_leaf[Row::Tdb].OnEnter = ui::calling(this, &TForm1::Edit_tdbEnter);
    Col_pad_after[Row::Tdb].OnEnter = ui::calling(this, &TForm1::Edit_ptdb2Enter);
    Edit_peff->OnEnter = ui::calling(this, &TForm1::Edit_peffEnter);
    for (ui::Edit* output : Col_two_diff.edits) output->OnEnter = ui::calling(this, &TForm1::Edit_clsEnter);
    for (const State_Column* column : {&Col_pad_after, &Col_vpd_leaf})
        for (std::size_t row = row_index(Row::RH); row < Row_Count; ++row)
            column->edits[row]->OnEnter = ui::calling(this, &TForm1::Edit_clsEnter);
    for (ui::Edit* output : {Edit_vvpd, Edit_vtdbd}) output->OnEnter = ui::calling(this, &TForm1::Edit_clsEnter);

    const std::pair<ui::Control*, Mouse_Move_Handler> hover_hints[] = {
        {this, &TForm1::FormMouseMove},
        {Group_curves, &TForm1::Group_curvesMouseMove},
        {Group_corsshair, &TForm1::Group_corsshairMouseMove},
        {Check_auto, &TForm1::Check_autoMouseMove},
        {Check_unit, &TForm1::Check_unitMouseMove},
        {ZoomIn, &TForm1::ZoomInMouseMove},
        {ZoomOut, &TForm1::ZoomOutMouseMove},
        {Btn_h_up, &TForm1::Btn_h_upMouseMove},
        {Btn_up, &TForm1::Btn_upMouseMove},
        {Btn_rh_up, &TForm1::Btn_rh_upMouseMove},
        {Btn_left, &TForm1::Btn_leftMouseMove},
        {Btn_default, &TForm1::Btn_defaultMouseMove},
        {Btn_right, &TForm1::Btn_rightMouseMove},
        {Btn_rh_down, &TForm1::Btn_rh_downMouseMove},
        {Btn_down, &TForm1::Btn_downMouseMove},
        {Btn_h_down, &TForm1::Btn_h_downMouseMove},
    };
    for (const auto& [control, handler] : hover_hints) control->OnMouseMove = ui::calling(this, handler);

    Chart_Image->OnMouseMove = ui::calling(this, &TForm1::Chart_ImageMouseMove);
    Chart_Image->OnMouseDown = ui::calling(this, &TForm1::Chart_ImageMouseDown);
    const std::pair<ui::Button*, Click_Handler> crosshair_steps[] = {
        {Btn_up, &TForm1::Btn_upClick},       {Btn_down, &TForm1::Btn_downClick},
        {Btn_left, &TForm1::Btn_leftClick},   {Btn_right, &TForm1::Btn_rightClick},
        {Btn_rh_up, &TForm1::Btn_rh_upClick}, {Btn_rh_down, &TForm1::Btn_rh_downClick},
        {Btn_h_up, &TForm1::Btn_h_upClick},   {Btn_h_down, &TForm1::Btn_h_downClick},
    };
    for (const auto& [button, handler] : crosshair_steps) button->OnClick = ui::calling(this, handler);
}
