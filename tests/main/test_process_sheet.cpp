#include <string>

#include "tests/main/sheet_test.h"

using chart::Mode_Pad;
using chart::Mode_Process;
using chart::Mode_State;
using hygrodex::Row;
using hygrodex::Row_Count;
using hygrodex::row_index;
using hygrodex::row_info;
using hygrodex::State_Column;
using state::Air_State;
using state::Derive_From_Tdb_RH;

namespace {

// A second state as the Process sheet shows it: Tdb 25.5, RH 40, the rest rounded by the masks.
const Names Second_Texts = {"25.5",   "40",      "17.2", "10.9",  "0.0082", "46.5",
                            "0.8571", "2439.29", "39.5", "4.246", "2.123"};
// Second_Texts - Start_Texts with the Diff. column's masks (Pws with four decimals, Pw with two).
const Names Second_Minus_Start = {"5.5",    "-10",    "3.41",  "1.75",  "0.0009", "7.955",
                                  "0.0169", "-13.31", "-9.92", "1.907", "0.95"};

class Process_Sheet_Test : public Sheet_Test {
protected:
    Process_Sheet_Test() { driver.select_page("Process"); }

    const State_Column& column(int number) const { return number == 1 ? Col_two1 : Col_two2; }
    ui::Speed_Button& button(int number) const {
        return driver.get<ui::Speed_Button>(number == 1 ? "SBtn_two1" : "SBtn_two2");
    }
    static std::string button_name(int number) { return "SBtn_two" + std::to_string(number); }

    // The captions, the buttons and the enabling say that the column is the active one.
    void expect_active(int number) const {
        const int other = 3 - number;
        EXPECT_TRUE(button(number).down());
        EXPECT_FALSE(button(other).down());
        EXPECT_EQ(button(number).caption(), "Active");
        EXPECT_EQ(button(other).caption(), "Inactive");
        for (const ui::Edit* edit : column(number).edits) EXPECT_TRUE(edit->enabled()) << edit->name();
        for (const ui::Edit* edit : column(other).edits) EXPECT_FALSE(edit->enabled()) << edit->name();
    }
    // Leaves the state columns for a field that takes no entry.
    void focus_outside_the_columns() { driver.press_into("Edit_2tdbd"); }
};

// ---- The column switch ----

TEST_F(Process_Sheet_Test, EveryClickOnEitherButtonMovesTheActiveColumnToTheOther) {
    ASSERT_EQ(texts(Col_two1), Start_Texts) << "the first visit filled State 1";
    expect_active(1);
    focus_outside_the_columns();
    struct Step {
        int clicked;
        int active_after;
        bool loads;  // the newly active column has a Tdb and an RH
    };
    const Step steps[] = {
        {2, 2, false},  // "Inactive" at start: State 2 is empty
        {2, 1, true},   // "Active" is released and the other button goes down
        {1, 2, false},
        {1, 1, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.clicked);
        mark_lines();
        forced_state().Tdb = 1;
        drawings.count = 0;
        driver.click(button_name(step.clicked));
        expect_active(step.active_after);
        EXPECT_EQ(state().Tdb, step.loads ? 20.0f : 1.0f);
        EXPECT_EQ(drawings.count, step.loads ? 1 : 0);
        EXPECT_EQ(lines()[0], step.loads ? "In addition to Patm," : "marked");
        EXPECT_EQ(texts(Col_two2), Empty_Column);
    }
    EXPECT_EQ(texts(Col_two1), Start_Texts);
    EXPECT_EQ(driver.focused_name(), "Edit_2tdbd");
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(Process_Sheet_Test, AFilledColumnIsLoadedAsShownWithoutRecomputing) {
    fill(Col_two2, Start_Texts);
    Col_two1[Row::Tdb].set_text("30");
    focus_outside_the_columns();
    forced_chart().Chart_Mode = Mode_Pad;
    drawings.count = 0;
    driver.click("SBtn_two2");
    expect_active(2);
    const Air_State& s = state();
    EXPECT_EQ(s.Twb, 13.79f);
    EXPECT_EQ(s.DOS, 0.4942f);
    EXPECT_EQ(s.AH, 0.0073f);
    EXPECT_EQ(s.Pws, 2.339f);
    EXPECT_EQ(s.Patm, 101.325f);
    EXPECT_EQ(texts(Col_two2), Start_Texts);
    EXPECT_EQ(Col_two1[Row::Tdb].text(), "30") << "the inactive column keeps its texts";
    EXPECT_EQ(chart().Chart_Mode, Mode_State);
    EXPECT_EQ(drawings.count, 1);
}

TEST_F(Process_Sheet_Test, ANewlyActiveColumnWithoutTdbOrRHIsNotLoaded) {
    for (Row missing : {Row::Tdb, Row::RH}) {
        SCOPED_TRACE(row_info(missing).label);
        Names partial = Second_Texts;
        partial[row_index(missing)] = "";
        fill(Col_two2, partial);
        focus_outside_the_columns();
        const auto before = fields(state());
        drawings.count = 0;
        driver.click("SBtn_two2");
        expect_active(2);
        EXPECT_EQ(fields(state()), before);
        EXPECT_EQ(texts(Col_two2), partial);
        EXPECT_EQ(drawings.count, 0);
        driver.click("SBtn_two1");
    }
}

TEST_F(Process_Sheet_Test, ABadTextInTheNewlyActiveColumnLoadsNothingButTheColumnsHaveSwitched) {
    Names bad = Second_Texts;
    bad[row_index(Row::Pw)] = "2-1";
    fill(Col_two2, bad);
    focus_outside_the_columns();
    const auto before = fields(state());
    drawings.count = 0;
    driver.click("SBtn_two2");
    EXPECT_EQ(take_boxes(), Boxes{conversion_box("2-1")});
    expect_active(2);
    EXPECT_EQ(fields(state()), before) << "rows before the bad one are not stored either";
    EXPECT_EQ(drawings.count, 0);
}

// The entry still in a field of the column being left is taken while that column is active, so
// its refresh lands in that column; the other column keeps its texts.
TEST_F(Process_Sheet_Test, APendingEntryIsTakenInItsOwnColumnBeforeTheSwitch) {
    struct Case {
        const char* name;
        const char* clicked;
        const char* typed;
        Names other_column;
        Boxes boxes;
        Names state1_after;  // Tdb, RH and Hfg
        float tdb_after;     // of the current state
    };
    const Names no_state2 = Empty_Column;
    const Case cases[] = {
        {"to an empty column", "SBtn_two2", "25", no_state2, {}, {"25", "50", "2440.5"}, 25},
        {"to a filled column", "SBtn_two2", "25", Second_Texts, {}, {"25", "50", "2440.5"}, 25.5},
        {"by releasing Active", "SBtn_two1", "25", Second_Texts, {}, {"25", "50", "2440.5"}, 25.5},
        {"refused",
         "SBtn_two2",
         "80",
         Second_Texts,
         {error_box("Tdb is too high. Please reinput!!")},
         {"20", "50", "2452.6"},
         25.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fill(Col_two1, Start_Texts);
        fill(Col_two2, c.other_column);
        driver.enter_text("Edit_2tdb1", c.typed);
        driver.click(c.clicked);
        EXPECT_EQ(take_boxes(), c.boxes);
        expect_active(2);
        const State_Column& state1 = Col_two1;
        EXPECT_EQ((Names{state1[Row::Tdb].text(), state1[Row::RH].text(), state1[Row::Hfg].text()}), c.state1_after);
        EXPECT_EQ(texts(Col_two2), c.other_column);
        EXPECT_EQ(state().Tdb, c.tdb_after);
        EXPECT_EQ(driver.focused_name(), "");
        driver.click("SBtn_two1");
        forced_state().Tdb = 20;
        Derive_From_Tdb_RH(forced_state());
    }
}

TEST_F(Process_Sheet_Test, APendingTextThatIsNoNumberStopsTheSwitch) {
    fill(Col_two2, Second_Texts);
    driver.enter_text("Edit_2rh1", "1-2");
    const auto before = fields(state());
    driver.click("SBtn_two2");
    EXPECT_EQ(take_boxes(), Boxes{conversion_box("1-2")});
    expect_active(1);
    EXPECT_EQ(driver.focused_name(), "Edit_2rh1");
    EXPECT_EQ(text("Edit_2rh1"), "1-2");
    EXPECT_EQ(fields(state()), before);
    EXPECT_EQ(texts(Col_two2), Second_Texts);
}

TEST_F(Process_Sheet_Test, EntriesOfTheActiveColumnLeaveTheOtherColumnAlone) {
    fill(Col_two2, Second_Texts);
    focus_outside_the_columns();
    driver.click("SBtn_two2");
    enter("Edit_2rh2", "60");
    EXPECT_EQ(state().RH, 60.0f);
    EXPECT_EQ(state().Tdb, 25.5f);
    EXPECT_EQ(text("Edit_2rh2"), "60");
    EXPECT_EQ(texts(Col_two1), Start_Texts);
}

// ---- Cal. ----

TEST_F(Process_Sheet_Test, CalWritesState2MinusState1FromTheTextsWhicheverColumnIsActive) {
    for (int active : {1, 2}) {
        SCOPED_TRACE(active);
        fill(Col_two1, Start_Texts);
        fill(Col_two2, Second_Texts);
        focus_outside_the_columns();
        if (!button(active).down()) driver.click(button_name(active));
        const auto before = fields(state());
        drawings.count = 0;
        driver.click("Btn_2cal");
        EXPECT_TRUE(front_end.boxes.empty());
        EXPECT_EQ(texts(Col_two_diff), Second_Minus_Start);
        EXPECT_EQ(lines(), (Names{"Diff.=", "Properties of State 2 - State 1", ""}));
        EXPECT_EQ(chart().Chart_Mode, Mode_Process);
        EXPECT_EQ(drawings.count, 1);
        EXPECT_TRUE(chart_shows("State 1"));
        EXPECT_TRUE(chart_shows("State 2"));
        EXPECT_EQ(fields(state()), before) << "Cal. does not touch the current state";
        EXPECT_EQ(texts(Col_two1), Start_Texts);
        EXPECT_EQ(texts(Col_two2), Second_Texts);
    }
}

TEST_F(Process_Sheet_Test, CalTakesAPendingEntryFirst) {
    fill(Col_two2, Second_Texts);
    driver.enter_text("Edit_2tdb1", "30");
    driver.click("Btn_2cal");
    EXPECT_TRUE(front_end.boxes.empty());
    EXPECT_EQ(text("Edit_2tdb1"), "30");
    EXPECT_EQ(text("Edit_2tdbd"), "-4.5");
    EXPECT_EQ(text("Edit_2hfgd"), "10.89") << "2439.29 - (2501 - 2.42 x 30)";
    EXPECT_EQ(driver.focused_name(), "Btn_2cal");
}

TEST_F(Process_Sheet_Test, CalStopsBeforeWritingAnythingWhenATextIsEmptyOrNoNumber) {
    struct Case {
        int column;
        Row row;
        const char* text;
        test_support::Recorded_Box box;
    };
    const auto variant_box = exception_box("Invalid variant type conversion");
    const Case cases[] = {
        {2, Row::Tdb, "", error_box("Please input state 2!!")},
        {1, Row::Tdb, "", variant_box},
        {2, Row::Pw, "", variant_box},
        {1, Row::DOS, "1-2", variant_box},
        {2, Row::RH, ".", variant_box},
        {1, Row::Hfg, "1e", variant_box},
        {2, Row::Twb, "-", variant_box},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(row_info(c.row).label) + " '" + c.text + "'");
        fill(Col_two1, Start_Texts);
        fill(Col_two2, Second_Texts);
        fill(Col_two_diff, Names(Row_Count, "old"));
        column(c.column)[c.row].set_text(c.text);
        mark_lines();
        forced_chart().Chart_Mode = Mode_State;
        drawings.count = 0;
        driver.click("Btn_2cal");
        EXPECT_EQ(take_boxes(), Boxes{c.box});
        EXPECT_EQ(texts(Col_two_diff), Names(Row_Count, "old"));
        EXPECT_EQ(lines(), Names(3, "marked"));
        EXPECT_EQ(drawings.count, 0);
        EXPECT_EQ(chart().Chart_Mode, Mode_State);
    }
}

}  // namespace
