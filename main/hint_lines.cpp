#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "commands/hint_limits.h"
#include "main/handler_table.h"
#include "main/message_lines.h"
#include "main/psy.h"
#include "ui/containers.h"

using state::Air_State;
using state::Percent_Range;

namespace hygrodex {

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

}  // namespace

void TForm1::Bind_Hints() {
    const auto hint = [this](const Hint_Lines& lines) {
        return [this, &lines] {
            const std::string range = commands::Range_Line(lines.line2, lines.limits, State);
            Write_Message_Lines({lines.line1, range, lines.line3});
        };
    };
    const auto row_hint = [&hint](Row row) { return hint(Row_Hints[row_index(row)].lines); };
    const auto hover = [this](std::string_view text) {
        return [this, text] { StatusBar1->set_panel_text(Hover_Panel, std::string(text)); };
    };
    // A row's hint is the same in every current-state column; the leaf's Tdb is entered as air's.
    const auto row_edits = [this](Row row) {
        std::vector<ui::Control*> edits;
        for (const State_Column* column : {&Col_state, &Col_two1, &Col_two2, &Col_pad_outdoor, &Col_vpd_air})
            edits.push_back(&(*column)[row]);
        return edits;
    };
    std::vector<ui::Control*> tdb_edits = row_edits(Row::Tdb);
    tdb_edits.push_back(&Col_vpd_leaf[Row::Tdb]);
    std::vector<ui::Control*> outputs(Col_two_diff.edits.begin(), Col_two_diff.edits.end());
    for (const State_Column* column : {&Col_pad_after, &Col_vpd_leaf})
        outputs.insert(outputs.end(), column->edits.begin() + row_index(Row::RH), column->edits.end());
    outputs.insert(outputs.end(), {Edit_vvpd, Edit_vtdbd});

    const Handler handlers[] = {
        {"Edit_tdbEnter", row_hint(Row::Tdb), tdb_edits},
        {"Edit_rhEnter", row_hint(Row::RH), row_edits(Row::RH)},
        {"Edit_twbEnter", row_hint(Row::Twb), row_edits(Row::Twb)},
        {"Edit_tdpEnter", row_hint(Row::Tdp), row_edits(Row::Tdp)},
        {"Edit_ahEnter", row_hint(Row::AH), row_edits(Row::AH)},
        {"Edit_hEnter", row_hint(Row::H), row_edits(Row::H)},
        {"Edit_svEnter", row_hint(Row::SV), row_edits(Row::SV)},
        {"Edit_hfgEnter", row_hint(Row::Hfg), row_edits(Row::Hfg)},
        {"Edit_dosEnter", row_hint(Row::DOS), row_edits(Row::DOS)},
        {"Edit_pwsEnter", row_hint(Row::Pws), row_edits(Row::Pws)},
        {"Edit_pwEnter", row_hint(Row::Pw), row_edits(Row::Pw)},
        {"Edit_ptdb2Enter", hint(After_Pad_Tdb_Hint)},
        {"Edit_peffEnter", hint(Efficiency_Hint)},
        {"Edit_clsEnter", hint(Output_Hint), outputs},

        {"FormMouseMove", hover(hover_text::Background)},
        {"Group_curvesMouseMove", hover(hover_text::Curves)},
        {"Group_corsshairMouseMove", hover(hover_text::Crosshair)},
        {"Btn_h_upMouseMove", hover(hover_text::H_Line)},
        {"Btn_h_downMouseMove", hover(hover_text::H_Line)},
        {"Btn_rh_upMouseMove", hover(hover_text::RH_Curves)},
        {"Btn_rh_downMouseMove", hover(hover_text::RH_Curves)},
        {"Btn_upMouseMove", hover(hover_text::Tdb_Line)},
        {"Btn_downMouseMove", hover(hover_text::Tdb_Line)},
        {"Btn_rightMouseMove", hover(hover_text::AH_Line)},
        {"Btn_leftMouseMove", hover(hover_text::AH_Line)},
        {"ZoomOutMouseMove", hover(hover_text::Zoom_Out)},
        {"ZoomInMouseMove", hover(hover_text::Zoom_In)},
        {"Btn_defaultMouseMove", hover(hover_text::Default_View)},
        {"Check_autoMouseMove", hover(hover_text::Centralize)},
        {"Check_unitMouseMove", hover(hover_text::Unit_Label)},
    };
    Bind_Named_Handlers(*this, handlers);
}

}  // namespace hygrodex
