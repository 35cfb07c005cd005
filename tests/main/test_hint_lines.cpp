#include <array>
#include <string>

#include "state/air_state.h"
#include "tests/main/main_window_test.h"

using hygrodex::Row;
using hygrodex::Row_Count;
using hygrodex::row_index;
using hygrodex::Row_Info;
using hygrodex::State_Column;
using hygrodex::State_Rows;
using state::Derive_From_Tdb_RH;

namespace {

using Lines = std::array<std::string, 3>;

constexpr const char* Based_On_Tdb = "Based on current Tdb.";

// The hint of each row at the start state (Patm 101.325 kPa, Tdb 20 degree C, RH 50 %), in row order.
// By hand: Hmin = 1.006 x 20 = 20.12; AHsat = 0.622 x 2.3388 / (101.325 - 2.3388) = 0.0147;
// SVmin = 0.287042 x 293.15 / 101.325 = 0.8305; SVsat = SVmin x (1 + 1.6078 x AHsat) = 0.8501.
const std::array<Lines, Row_Count> Start_Row_Hints = {{
    {"Dry bulb temperature", "Range : -40  <--> 70 degree C", ""},
    {"Relative Humidity", "Range : 0 % <--> 100 %", ""},
    {"Wet bulb temperature", "Range : 5.95 C <--> 20.00 C", Based_On_Tdb},
    {"Dew Point Temperature", "Range : -30.77 C <--> 20.00 C", Based_On_Tdb},
    {"Absolute Humidity (Humidity Ratio)", "Range : 0 kg/kg <--> 0.0147 kg/kg", Based_On_Tdb},
    {"Enthalpy", "Range : 20.120  <--> 57.405 kJ/kg", Based_On_Tdb},
    {"Specific volume", "Range : 0.8305 <--> 0.8501 m3/kg", Based_On_Tdb},
    {"Heat of vaporization", "No input allowed.", ""},
    {"Degree of Saturation", "Range : 0 % <--> 100 %", ""},
    {"Saturated Vapor Pressure", "No input allowed.", ""},
    {"Pressure of water vapor", "Range : 0 kPa <--> 2.3388 kPa", Based_On_Tdb},
}};

const Lines Output_Hint = {"No input allowed.", "", ""};

class Hint_Lines : public Main_Window_Test {
protected:
    Hint_Lines() { form.show(); }

    Lines lines() const { return {text("Message1"), text("Message2"), text("Message3")}; }

    // Gives the edit the focus as a click into it does, on its own sheet.
    Lines hint_of(ui::Edit& edit) {
        driver.get<ui::Page_Control>("PageControl1").set_active_page(static_cast<ui::Tab_Sheet*>(edit.parent()));
        driver.press_into(edit.name());
        EXPECT_EQ(driver.focused_name(), edit.name());
        return lines();
    }
};

// Leaving a field untouched may store its shown value again, but never changes Patm, Tdb or Pws,
// on which every range but the after-pad one depends.
TEST_F(Hint_Lines, EveryCurrentStateFieldShowsItsRowsHintAtTheStartState) {
    for (ui::Edit* edit : Col_two2.edits) edit->set_enabled(true);
    for (const State_Column* column : {&Col_state, &Col_two1, &Col_two2, &Col_pad_outdoor, &Col_vpd_air}) {
        for (const Row_Info& info : State_Rows) {
            ui::Edit& edit = (*column)[info.row];
            EXPECT_EQ(hint_of(edit), Start_Row_Hints[row_index(info.row)]) << edit.name();
        }
    }
    EXPECT_EQ(hint_of(Col_vpd_leaf[Row::Tdb]), Start_Row_Hints[row_index(Row::Tdb)]) << "the leaf temperature";
}

TEST_F(Hint_Lines, ThePadSheetsOwnFieldsShowTheAfterPadRangeAndTheEfficiency) {
    EXPECT_EQ(hint_of(Col_pad_after[Row::Tdb]), (Lines{"Tdb after passing through the pad",
                                                       "Range : 13.79  <--> 20.00 C", "Based on Outdoor condition."}));
    EXPECT_EQ(hint_of(driver.get<ui::Edit>("Edit_peff")), (Lines{"Efficiency", "Range : 0 % <--> 100 %", ""}));
}

TEST_F(Hint_Lines, EveryOutputFieldSaysItTakesNoInput) {
    std::vector<ui::Edit*> outputs(Col_two_diff.edits.begin(), Col_two_diff.edits.end());
    for (const State_Column* column : {&Col_pad_after, &Col_vpd_leaf})
        outputs.insert(outputs.end(), column->edits.begin() + 1, column->edits.end());
    outputs.insert(outputs.end(), {&driver.get<ui::Edit>("Edit_vvpd"), &driver.get<ui::Edit>("Edit_vtdbd")});
    ASSERT_EQ(outputs.size(), 33u);
    for (ui::Edit* output : outputs) {
        driver.get<ui::Label>("Message2").set_caption("stale");
        driver.get<ui::Label>("Message3").set_caption("stale");
        EXPECT_EQ(hint_of(*output), Output_Hint) << output->name();
    }
}

TEST_F(Hint_Lines, TheRangesFollowTheCurrentStateOnEverySheet) {
    forced_state().Tdb = 30;
    Derive_From_Tdb_RH(forced_state());
    // Hmin = 1.006 x 30 = 30.18; the upper limits of Twb and Tdp are the Tdb itself.
    const struct {
        ui::Edit* edit;
        const char* begins;
        const char* ends;
    } cases[] = {
        {&Col_two1[Row::H], "Range : 30.180  <--> ", " kJ/kg"},
        {&Col_pad_outdoor[Row::Tdp], "Range : ", " C <--> 30.00 C"},
        {&Col_vpd_air[Row::Twb], "Range : ", " C <--> 30.00 C"},
        {&Col_pad_after[Row::Tdb], "Range : ", "  <--> 30.00 C"},
    };
    for (const auto& c : cases) {
        const std::string line2 = hint_of(*c.edit)[1];
        EXPECT_TRUE(line2.starts_with(c.begins)) << c.edit->name() << ": " << line2;
        EXPECT_TRUE(line2.ends_with(c.ends)) << c.edit->name() << ": " << line2;
    }
}

TEST_F(Hint_Lines, HoveringASidePanelControlDescribesItInTheSecondStatusPanel) {
    const struct {
        const char* control;
        const char* hint;
    } hovers[] = {
        {"Group_curves", "Plot family curves of selected Properties."},
        {"Group_corsshair", "Move the pivot point, change pixel no. per step and zoom in or out."},
        {"Btn_h_up", "Moving alone H line."},
        {"Btn_h_down", "Moving alone H line."},
        {"Btn_rh_up", "Moving alone RH curves."},
        {"Btn_rh_down", "Moving alone RH curves."},
        {"Btn_up", "Moving alone Tdb line."},
        {"Btn_down", "Moving alone Tdb line."},
        {"Btn_right", "Moving alone AH line."},
        {"Btn_left", "Moving alone AH line."},
        {"ZoomOut", "Zoom Out"},
        {"ZoomIn", "Zoom In"},
        {"Btn_default", " Centralize and back to default size"},
        {"Check_auto",
         "Centralize the pivot point when the absolute value of the change of Tdb is greater than 1 deg. C."},
        {"Check_unit", "Display unit label."},
    };
    const std::string crosshair_text = driver.get<ui::Status_Bar>("StatusBar1").panel_text(0);
    for (const auto& hover : hovers) {
        driver.mouse_move("Form1", 700, 10);
        ASSERT_EQ(driver.get<ui::Status_Bar>("StatusBar1").panel_text(1), "");
        driver.mouse_move(hover.control, 3, 4);
        EXPECT_EQ(driver.get<ui::Status_Bar>("StatusBar1").panel_text(1), hover.hint) << hover.control;
    }
    EXPECT_EQ(driver.get<ui::Status_Bar>("StatusBar1").panel_text(0), crosshair_text);
}

TEST_F(Hint_Lines, AHoverTextStaysOverControlsWithoutAHintUntilTheBackgroundEmptiesIt) {
    driver.mouse_move("Btn_up", 5, 5);
    for (const char* silent :
         {"PageControl1", "Sheet_state", "Group_message", "Group_misc", "MoveBar", "Check_T", "StatusBar1"}) {
        driver.mouse_move(silent, 5, 5);
        EXPECT_EQ(driver.get<ui::Status_Bar>("StatusBar1").panel_text(1), "Moving alone Tdb line.") << silent;
    }
    driver.mouse_move("Form1", 788, 300);
    EXPECT_EQ(driver.get<ui::Status_Bar>("StatusBar1").panel_text(1), "");
}

}  // namespace
