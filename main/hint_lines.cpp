#include <array>
#include <string>
#include <string_view>

#include "commands/hint_limits.h"
#include "main/psy.h"

// The guidance the main window gives: three message lines for the field that takes the focus,
// and a line in the status bar for the side-panel control under the pointer. Both only write
// texts; the ranges are those of the current state, the same on every sheet.
namespace {

using commands::AH_Limits;
using commands::H_Limits;
using commands::Pw_Limits;
using commands::SV_Limits;
using commands::Tdp_Limits;
using commands::Twb_Limits;

// What an entered field writes. With limits, line2 is the format of the range they fill in.
struct Hint_Lines {
    std::string_view line1;
    std::string_view line2;
    std::string_view line3;
    commands::Limits_Of limits = nullptr;
};

// After the pad the air is cooler, but never below the outdoor wet bulb.
commands::Range_Limits after_pad_limits(const Air_State& state) { return {state.Twb, state.Tdb}; }

constexpr std::string_view Based_On_Tdb = "Based on current Tdb.";
constexpr std::string_view No_Input = "No input allowed.";
constexpr std::string_view Percent_Range = "Range : 0 % <--> 100 %";

struct Row_Hint {
    Row row;
    Hint_Lines lines;
};

constexpr std::array<Row_Hint, Row_Count> Row_Hints{{
    {Row::Tdb, {"Dry bulb temperature", "Range : -40  <--> 70 degree C", ""}},
    {Row::RH, {"Relative Humidity", Percent_Range, ""}},
    {Row::Twb, {"Wet bulb temperature", "Range : %2.2f C <--> %2.2f C", Based_On_Tdb, Twb_Limits}},
    {Row::Tdp, {"Dew Point Temperature", "Range : %2.2f C <--> %2.2f C", Based_On_Tdb, Tdp_Limits}},
    {Row::AH, {"Absolute Humidity (Humidity Ratio)", "Range : %1d kg/kg <--> %1.4f kg/kg", Based_On_Tdb, AH_Limits}},
    {Row::H, {"Enthalpy", "Range : %1.3f  <--> %1.3f kJ/kg", Based_On_Tdb, H_Limits}},
    {Row::SV, {"Specific volume", "Range : %1.4f <--> %1.4f m3/kg", Based_On_Tdb, SV_Limits}},
    {Row::Hfg, {"Heat of vaporization", No_Input, ""}},
    {Row::DOS, {"Degree of Saturation", Percent_Range, ""}},
    {Row::Pws, {"Saturated Vapor Pressure", No_Input, ""}},
    {Row::Pw, {"Pressure of water vapor", "Range : %1d kPa <--> %1.4f kPa", Based_On_Tdb, Pw_Limits}},
}};

constexpr bool row_hints_in_row_order() {
    for (std::size_t i = 0; i < Row_Count; ++i)
        if (row_index(Row_Hints[i].row) != i) return false;
    return true;
}
static_assert(row_hints_in_row_order(), "Row_Hints must be indexed by Row");

constexpr Hint_Lines After_Pad_Tdb_Hint = {"Tdb after passing through the pad", "Range : %2.2f  <--> %2.2f C",
                                           "Based on Outdoor condition.", after_pad_limits};
constexpr Hint_Lines Efficiency_Hint = {"Efficiency", Percent_Range, ""};
constexpr Hint_Lines Output_Hint = {No_Input, "", ""};

void write_hint_lines(TForm1& form, const Hint_Lines& hint) {
    form.Message1->set_caption(std::string(hint.line1));
    form.Message2->set_caption(commands::Range_Line(hint.line2, hint.limits, form.State));
    form.Message3->set_caption(std::string(hint.line3));
}

void write_row_hint(TForm1& form, Row row) { write_hint_lines(form, Row_Hints[row_index(row)].lines); }

// The status bar's panel for hover hints; panel 0 belongs to the crosshair.
constexpr int Hover_Panel = 1;

namespace hover_text {
constexpr std::string_view Curves = "Plot family curves of selected Properties.";
constexpr std::string_view Crosshair = "Move the pivot point, change pixel no. per step and zoom in or out.";
constexpr std::string_view H_Line = "Moving alone H line.";
constexpr std::string_view RH_Curves = "Moving alone RH curves.";
constexpr std::string_view Tdb_Line = "Moving alone Tdb line.";
constexpr std::string_view AH_Line = "Moving alone AH line.";
constexpr std::string_view Zoom_Out = "Zoom Out";
constexpr std::string_view Zoom_In = "Zoom In";
constexpr std::string_view Default_View = " Centralize and back to default size";
constexpr std::string_view Centralize =
    "Centralize the pivot point when the absolute value of the change of Tdb is greater than 1 deg. C.";
constexpr std::string_view Unit_Label = "Display unit label.";
constexpr std::string_view Background = "";
}  // namespace hover_text

void write_hover_hint(TForm1& form, std::string_view text) {
    form.StatusBar1->set_panel_text(Hover_Panel, std::string(text));
}

}  // namespace

void TForm1::Edit_tdbEnter(ui::Control&) { write_row_hint(*this, Row::Tdb); }
void TForm1::Edit_rhEnter(ui::Control&) { write_row_hint(*this, Row::RH); }
void TForm1::Edit_twbEnter(ui::Control&) { write_row_hint(*this, Row::Twb); }
void TForm1::Edit_tdpEnter(ui::Control&) { write_row_hint(*this, Row::Tdp); }
void TForm1::Edit_ahEnter(ui::Control&) { write_row_hint(*this, Row::AH); }
void TForm1::Edit_hEnter(ui::Control&) { write_row_hint(*this, Row::H); }
void TForm1::Edit_svEnter(ui::Control&) { write_row_hint(*this, Row::SV); }
void TForm1::Edit_hfgEnter(ui::Control&) { write_row_hint(*this, Row::Hfg); }
void TForm1::Edit_dosEnter(ui::Control&) { write_row_hint(*this, Row::DOS); }
void TForm1::Edit_pwsEnter(ui::Control&) { write_row_hint(*this, Row::Pws); }
void TForm1::Edit_pwEnter(ui::Control&) { write_row_hint(*this, Row::Pw); }
void TForm1::Edit_ptdb2Enter(ui::Control&) { write_hint_lines(*this, After_Pad_Tdb_Hint); }
void TForm1::Edit_peffEnter(ui::Control&) { write_hint_lines(*this, Efficiency_Hint); }
void TForm1::Edit_clsEnter(ui::Control&) { write_hint_lines(*this, Output_Hint); }

void TForm1::FormMouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::Background);
}
void TForm1::Group_curvesMouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::Curves);
}
void TForm1::Group_corsshairMouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::Crosshair);
}
void TForm1::Btn_h_upMouseMove(ui::Control&, ui::Shift_State, int, int) { write_hover_hint(*this, hover_text::H_Line); }
void TForm1::Btn_h_downMouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::H_Line);
}
void TForm1::Btn_rh_upMouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::RH_Curves);
}
void TForm1::Btn_rh_downMouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::RH_Curves);
}
void TForm1::Btn_upMouseMove(ui::Control&, ui::Shift_State, int, int) { write_hover_hint(*this, hover_text::Tdb_Line); }
void TForm1::Btn_downMouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::Tdb_Line);
}
void TForm1::Btn_rightMouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::AH_Line);
}
void TForm1::Btn_leftMouseMove(ui::Control&, ui::Shift_State, int, int) { write_hover_hint(*this, hover_text::AH_Line); }
void TForm1::ZoomOutMouseMove(ui::Control&, ui::Shift_State, int, int) { write_hover_hint(*this, hover_text::Zoom_Out); }
void TForm1::ZoomInMouseMove(ui::Control&, ui::Shift_State, int, int) { write_hover_hint(*this, hover_text::Zoom_In); }
void TForm1::Btn_defaultMouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::Default_View);
}
void TForm1::Check_autoMouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::Centralize);
}
void TForm1::Check_unitMouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::Unit_Label);
}
