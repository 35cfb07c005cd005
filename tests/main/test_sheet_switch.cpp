#include <array>
#include <string>

#include "tests/main/main_window_test.h"

using chart::Mode_Pad;
using chart::Mode_State;
using hygrodex::Row;
using hygrodex::Row_Count;
using hygrodex::row_index;
using hygrodex::State_Column;
using state::Air_State;

namespace {

const Names Start_Texts = {"20",     "50",     "13.79", "9.15",  "0.0073", "38.545",
                           "0.8402", "2452.6", "49.42", "2.339", "1.169"};
const Names Default_Lines = {"In addition to Patm,", "you still need 2 properties to", "define a state."};

std::array<float, 12> fields(const Air_State& s) {
    return {s.Patm, s.RH, s.Tdb, s.Pws, s.Pw, s.AH, s.Tdp, s.SV, s.Twb, s.Hfg, s.DOS, s.H};
}

Names texts(const State_Column& column) {
    Names all;
    for (const ui::Edit* edit : column.edits) all.push_back(edit->text());
    return all;
}

void fill(const State_Column& column, const Names& texts) {
    for (std::size_t row = 0; row < Row_Count; ++row) column.edits[row]->set_text(texts[row]);
}

// A state shown in a column: Tdb 30, RH 40 with the other texts rounded as the masks give them.
const Names Warm_Texts = {"30",     "40",     "20.6",  "15.12", "0.0107", "57.54",
                          "0.8722", "2428.4", "39.18", "4.246", "1.698"};

class Sheet_Switch_Test : public Main_Window_Test {
protected:
    Sheet_Switch_Test() { form.show(); }

    Names lines() const { return {text("Message1"), text("Message2"), text("Message3")}; }
};

TEST_F(Sheet_Switch_Test, TheFirstVisitOfASheetCopiesTheCurrentStateIntoItsColumn) {
    struct Case {
        const char* sheet;
        const State_Column* column;
    };
    const Case cases[] = {{"Process", &Col_two1}, {"Pad", &Col_pad_outdoor}, {"VPD", &Col_vpd_air}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sheet);
        const auto before = fields(state());
        forced_chart().Chart_Mode = Mode_Pad;
        driver.select_page(c.sheet);
        EXPECT_EQ(texts(*c.column), Start_Texts);
        EXPECT_EQ(lines(), Default_Lines) << "Show_State's lines, not the sheet's own";
        EXPECT_EQ(fields(state()), before);
        EXPECT_EQ(chart().Chart_Mode, Mode_State);
        driver.select_page("State");
    }
    EXPECT_EQ(texts(Col_two2), Names(Row_Count, ""));
}

TEST_F(Sheet_Switch_Test, ASheetWithAStateInItsColumnMakesTheShownTextsTheStateWithoutRecomputing) {
    driver.select_page("Process");
    driver.select_page("State");
    const Air_State& s = state();
    EXPECT_EQ(s.AH, 0.0073f);
    EXPECT_EQ(s.Pws, 2.339f);
    EXPECT_EQ(s.Pw, 1.169f);
    EXPECT_EQ(s.Twb, 13.79f);
    EXPECT_FLOAT_EQ(s.DOS, 0.4942f);
    EXPECT_EQ(s.Patm, 101.325f);
    EXPECT_EQ(texts(Col_state), Start_Texts);
    EXPECT_EQ(lines(), Default_Lines);
    EXPECT_EQ(chart().Chart_Mode, Mode_State);
}

TEST_F(Sheet_Switch_Test, EachSheetShowsItsOwnLinesWhenItsColumnIsLoaded) {
    struct Case {
        const char* sheet;
        const State_Column* column;
        Names lines;
    };
    const Case cases[] = {
        {"Process", &Col_two1, {"You need 2 states", "to define a process", ""}},
        {"Pad", &Col_pad_outdoor, {"Find the efficiency or AfterPad T", "of an Evaporative cooling pad.", ""}},
        {"VPD", &Col_vpd_air, {"Find the vapor pressure deficit", "between air and leaf.", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sheet);
        fill(*c.column, Warm_Texts);
        driver.select_page(c.sheet);
        EXPECT_EQ(lines(), c.lines);
        EXPECT_EQ(texts(*c.column), Warm_Texts) << "loaded, not rewritten";
        EXPECT_EQ(state().Tdb, 30.0f);
        EXPECT_EQ(state().H, 57.54f);
        EXPECT_FLOAT_EQ(state().DOS, 0.3918f);
        driver.select_page("State");
        EXPECT_EQ(texts(Col_state), Start_Texts) << "the State sheet loads its own texts back";
        EXPECT_EQ(state().Tdb, 20.0f);
    }
}

TEST_F(Sheet_Switch_Test, OnTheProcessSheetTheColumnWhoseButtonIsDownIsTaken) {
    struct Case {
        const char* name;
        bool two2_down;
        Names state1;
        Names state2;
        float tdb;  // of the state afterwards
    };
    Names no_rh = Warm_Texts;
    no_rh[row_index(Row::RH)] = "";
    const Names empty(Row_Count, "");
    const Case cases[] = {
        {"State 1 active", false, Warm_Texts, Start_Texts, 30},
        {"State 2 active, both filled", true, Start_Texts, Warm_Texts, 30},
        {"State 2 active and empty", true, Warm_Texts, empty, 20},
        {"State 1 active without RH", false, no_rh, Warm_Texts, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        driver.select_page("State");
        // The two buttons are one group: pressing one raises the other.
        driver.get<ui::Speed_Button>(c.two2_down ? "SBtn_two2" : "SBtn_two1").set_down(true);
        ASSERT_EQ(driver.get<ui::Speed_Button>("SBtn_two2").down(), c.two2_down);
        fill(Col_two1, c.state1);
        fill(Col_two2, c.state2);
        driver.select_page("Process");
        EXPECT_EQ(state().Tdb, c.tdb);
        if (c.tdb == 20) {
            // Show_State wrote the current state into the column whose button is down.
            EXPECT_EQ(texts(c.two2_down ? Col_two2 : Col_two1), Start_Texts);
            EXPECT_EQ(lines(), Default_Lines);
        }
    }
}

TEST_F(Sheet_Switch_Test, APendingEntryIsTakenOnItsOwnSheetBeforeTheSwitch) {
    driver.enter_text("Edit_tdb", "25");
    driver.select_page("Process");
    EXPECT_EQ(state().Tdb, 25.0f);
    EXPECT_EQ(text("Edit_tdb"), "25");
    EXPECT_EQ(text("Edit_2tdb1"), "25");
    EXPECT_EQ(driver.focused_name(), "PageControl1") << "a tab click gives the tabs the focus";
    EXPECT_EQ(active_sheet(), "Sheet_two");
}

TEST_F(Sheet_Switch_Test, ARefusedPendingEntrySwitchesAfterItsMessageAndABadOneDoesNotSwitch) {
    driver.enter_text("Edit_tdb", "80");
    driver.select_page("Process");
    EXPECT_EQ(front_end.take_box_texts(), Names{"Tdb is too high. Please reinput!!"});
    EXPECT_EQ(active_sheet(), "Sheet_two");
    EXPECT_EQ(text("Edit_2tdb1"), "20");

    driver.select_page("State");
    driver.enter_text("Edit_rh", "1-2");
    driver.select_page("Pad");
    EXPECT_EQ(front_end.take_box_texts(), Names{"'1-2' is not a valid floating point value."});
    EXPECT_EQ(active_sheet(), "Sheet_state");
    EXPECT_EQ(driver.focused_name(), "Edit_rh");
    EXPECT_EQ(texts(Col_pad_outdoor), Names(Row_Count, ""));
}

TEST_F(Sheet_Switch_Test, TheSheetKeysSwitchAsATabClickDoesFromAnyControl) {
    // Ctrl+Tab from a field with a pending entry: the entry is taken on its sheet, then the switch.
    driver.enter_text("Edit_tdb", "25");
    driver.press_ctrl(ui::Key::Tab);
    EXPECT_EQ(active_sheet(), "Sheet_two");
    EXPECT_EQ(text("Edit_2tdb1"), "25");
    EXPECT_EQ(driver.focused_name(), "Edit_2tdb1");
    EXPECT_EQ(lines(), Default_Lines) << "the first visit runs Show_State after the switch";

    // From a check box the focus stays; the keys wrap past either end.
    driver.click("Check_AH");
    const char* const after_each[] = {"Pad", "VPD", "State", "VPD", "Pad"};
    const ui::Key keys[] = {ui::Key::Page_Down, ui::Key::Tab, ui::Key::Tab, ui::Key::Back_Tab, ui::Key::Page_Up};
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        driver.press_ctrl(keys[i], keys[i] == ui::Key::Back_Tab);
        EXPECT_EQ(driver.get<ui::Page_Control>("PageControl1").active_page()->caption(), after_each[i]);
    }
    EXPECT_EQ(driver.focused_name(), "Check_AH");
}

TEST_F(Sheet_Switch_Test, ABadPendingTextStopsASwitchByKeyAndNoKeyFilterSeesTheKey) {
    driver.enter_text("Edit_rh", "1-2");
    driver.press_ctrl(ui::Key::Page_Down);
    EXPECT_EQ(front_end.take_box_texts(), Names{"'1-2' is not a valid floating point value."});
    EXPECT_EQ(active_sheet(), "Sheet_state");
    EXPECT_EQ(driver.focused_name(), "Edit_rh");
    EXPECT_EQ(text("Edit_rh"), "1-2");
    EXPECT_EQ(text("Message3"), "") << "the key filter would have asked for a value";
}

TEST_F(Sheet_Switch_Test, ABadTextInTheColumnLeavesTheStateAsItWasAndDrawsNothing) {
    struct Case {
        Row row;
        const char* bad;
    };
    // The rows before the bad one convert; none of them may be stored.
    const Case cases[] = {{Row::Pw, "1-2"}, {Row::DOS, "."}, {Row::Hfg, "2.4.5"}, {Row::RH, "-"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bad);
        Names column = Warm_Texts;
        column[row_index(c.row)] = c.bad;
        fill(Col_pad_outdoor, column);
        const auto before = fields(state());
        driver.get<ui::Image>("Chart_Image").canvas().clear();
        forced_chart().Chart_Mode = Mode_Pad;
        driver.select_page("Pad");
        if (std::string(c.bad) == ".") {
            // "." is a number (0): the column is taken.
            EXPECT_TRUE(front_end.boxes.empty());
            EXPECT_EQ(state().DOS, 0.0f);
            EXPECT_EQ(state().Tdb, 30.0f);
        } else {
            const std::string message = "'" + std::string(c.bad) + "' is not a valid floating point value.";
            EXPECT_EQ(front_end.take_box_texts(), Names{message});
            EXPECT_EQ(fields(state()), before);
            EXPECT_TRUE(driver.get<ui::Image>("Chart_Image").canvas().ops().empty());
            EXPECT_EQ(chart().Chart_Mode, Mode_Pad);
        }
        driver.select_page("State");
        front_end.boxes.clear();
    }
}

TEST_F(Sheet_Switch_Test, ExitEndsTheProgram) {
    EXPECT_FALSE(front_end.quit_requested);
    driver.menu("M_exit");
    EXPECT_TRUE(front_end.quit_requested);
    EXPECT_TRUE(application.terminated());
    EXPECT_TRUE(front_end.boxes.empty());
}

}  // namespace
