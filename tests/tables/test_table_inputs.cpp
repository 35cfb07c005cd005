#include "tests/tables/tables_window_test.h"

using namespace tables;

namespace {

using Table_Inputs = Tables_Window_Test;

TEST_F(Table_Inputs, EachStepLabelFollowsItsOwnBar) {
    for (const Table_Sheet_Definition& definition : Table_Sheets) {
        select(definition.kind);
        const std::string tag(definition.tag);
        driver.move_track_bar("Bar_" + tag + "1step", 10);
        driver.move_track_bar("Bar_" + tag + "2step", 3);
        EXPECT_EQ(driver.text("Label_" + tag + "1step"), "10");
        EXPECT_EQ(driver.text("Label_" + tag + "2step"), "3");
    }
    EXPECT_EQ(driver.text("Label_twb1step"), "10") << "a sheet's labels stay when another's bars move";
    driver.press(ui::Key::Home);
    EXPECT_EQ(driver.text("Label_ahd22step"), "1");
}

TEST_F(Table_Inputs, OnlyTheKeysOfANumberReachTheInputsAndNothingIsSaid) {
    select(Table_wbd);
    driver.enter_text("Edit_wbd1tdb", "a1, +2-.5x");
    EXPECT_EQ(driver.text("Edit_wbd1tdb"), "12-.5");
    driver.key('\b');
    EXPECT_EQ(driver.text("Edit_wbd1tdb"), "12-.");
    driver.key(static_cast<char>(0xE9));
    EXPECT_EQ(driver.text("Edit_wbd1tdb"), "12-.");
    EXPECT_EQ(messages(), (Texts{"Lower Limit of Tdb", "Range : -40  <--> 70", "degree C"}));
    driver.type("\b\b");
    driver.move_track_bar("Bar_wbd1step", 4);
    driver.type("a 7");
    EXPECT_EQ(window.Sheets[Table_wbd].col_step->position(), 4);
}

TEST_F(Table_Inputs, EnterCyclesThroughTheSixInputsOfItsOwnGroup) {
    for (const Table_Kind kind : {Table_twb, Table_thi2}) {
        select(kind);
        const std::string tag(sheet_definition(kind).tag);
        const std::string quantity = sheet_definition(kind).rows == Row_Axis::RH ? "rh" : "twb";
        window.focus_control(sheet(kind).tdb_low);
        Texts visited;
        for (int i = 0; i < 7; ++i) {
            driver.enter();
            visited.push_back(driver.focused_name());
        }
        EXPECT_EQ(visited, (Texts{"Edit_" + tag + "2tdb", "Edit_" + tag + "1" + quantity,
                                  "Edit_" + tag + "2" + quantity, "Bar_" + tag + "1step", "Bar_" + tag + "2step",
                                  "Edit_" + tag + "1tdb", "Edit_" + tag + "2tdb"}));
    }
    EXPECT_EQ(messages(), (Texts{"Upper Limit of Tdb", "Range : -40  <--> 70", "degree C"}));
}

TEST_F(Table_Inputs, EnterWithNoInputOfTheGroupFocusedMovesNothing) {
    select(Table_twb);
    window.focus_control(window.Btn_count);
    ui::Edit& edit = *sheet(Table_twb).tdb_low;
    char key = '\r';
    edit.OnKeyPress(edit, key);
    EXPECT_EQ(driver.focused_name(), "Btn_count");
    EXPECT_EQ(key, '\r');
}

TEST_F(Table_Inputs, LeavingALimitEditWarnsOfAValueOutOfRange) {
    const struct {
        Table_Kind kind;
        std::string edit;
        std::string text;
        Texts boxes;
    } cases[] = {
        {Table_twb, "Edit_twb1tdb", "70.9", {}},
        {Table_twb, "Edit_twb1tdb", "71", {"Tdb is too high. Please reinput!!"}},
        {Table_twb, "Edit_twb2tdb", "-40.9", {}},
        {Table_twb, "Edit_twb2tdb", "-41", {"Tdb is too low. Please reinput!!"}},
        {Table_wbd, "Edit_wbd1tdb", "90", {"Tdb is too high. Please reinput!!"}},
        {Table_twb, "Edit_twb1rh", "-0.5", {}},
        {Table_twb, "Edit_twb1rh", "-1", {"RH is too low. Please reinput!!"}},
        {Table_ahd2, "Edit_ahd22rh", "100.9", {}},
        {Table_ahd2, "Edit_ahd22rh", "101", {"RH is too high. Please reinput!!"}},
        {Table_rh, "Edit_rh1twb", "-41", {"Twb is too low. Please reinput!!"}},
        {Table_tdp2, "Edit_tdp22twb", "71", {"Twb is too high. Please reinput!!"}},
        {Table_thi2, "Edit_thi21tdb", "-50", {"Tdb is too low. Please reinput!!"}},
        {Table_twb, "Edit_twb1tdb", "", {}},
        {Table_twb, "Edit_twb1tdb", "-", {"'-' is not a valid floating point value."}},
        {Table_twb, "Edit_twb1tdb", "1e20", {"Tdb is too high. Please reinput!!"}},
        {Table_twb, "Edit_twb1rh", "-9999999999", {"RH is too low. Please reinput!!"}},
    };
    for (const auto& c : cases) {
        select(c.kind);
        ui::Edit& edit = window.get<ui::Edit>(c.edit);
        edit.set_text(c.text);
        driver.press_into(c.edit);
        driver.press_into("Btn_cls");
        EXPECT_EQ(front_end.take_box_texts(), c.boxes) << c.edit << " " << c.text;
        EXPECT_EQ(edit.text(), c.text) << "the text stays as typed";
        // A text the conversion refuses keeps the focus in its edit; an empty one lets it go, so
        // that the next case's tab click leaves no edit behind it.
        edit.set_text("");
        driver.press_into("Btn_cls");
    }
}

TEST_F(Table_Inputs, EnteringAnInputWritesItsHintLines) {
    const Texts tdb_low = {"Lower Limit of Tdb", "Range : -40  <--> 70", "degree C"};
    const Texts tdb_high = {"Upper Limit of Tdb", "Range : -40  <--> 70", "degree C"};
    const Texts tdb_step = {"Interval between", "two Tdb columns.", "Unit : degree C"};
    const struct {
        Table_Kind kind;
        std::vector<Texts> hints;
    } cases[] = {
        {Table_vpd2,
         {tdb_low,
          tdb_high,
          {"Lower Limit of RH", "Range : 0  <--> 100 %", ""},
          {"Upper Limit of RH", "Range : 0  <--> 100 %", ""},
          tdb_step,
          {"Interval between", "two RH rows.", "Unit : %"}}},
        {Table_rh,
         {tdb_low,
          tdb_high,
          {"Lower Limit of Twb", "Range : -40  <--> 70", "degree C"},
          {"Upper Limit of Twb", "Range : -40  <--> 70", "degree C"},
          tdb_step,
          {"Interval between", "two Twb rows.", "Unit : degree C"}}},
    };
    for (const auto& c : cases) {
        select(c.kind);
        window.focus_control(sheet(c.kind).tdb_low);
        for (const Texts& hint : c.hints) {
            EXPECT_EQ(messages(), hint);
            driver.tab();
        }
    }
}

// The main window's menu selects the sheet from code and opens the window modally. Closed with
// the focus in a field and reopened on another sheet, it leaves no focus in the hidden sheet,
// and keys reach no field that cannot be seen.
TEST_F(Table_Inputs, ATableChosenFromTheMenuLeavesNoFocusInAHiddenSheet) {
    window.set_visible(false);
    front_end.answer_next_modal([this](ui::Form&) {
        driver.enter_text("Edit_twb1tdb", "25");
        driver.close();
    });
    window.Select_twb();
    window.show_modal();
    window.Select_rh();
    EXPECT_EQ(window.focused(), nullptr);
    front_end.answer_next_modal([this](ui::Form&) {
        driver.type("9");
        driver.close();
    });
    window.show_modal();
    EXPECT_EQ(driver.text("Edit_twb1tdb"), "25");
    EXPECT_TRUE(front_end.boxes.empty());
}

}  // namespace
