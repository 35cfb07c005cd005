#include "tests/main/main_window_test.h"

using hygrodex::Row;
using hygrodex::Row_Count;
using hygrodex::shown_text;
using hygrodex::shown_value;
using hygrodex::State_Column;
using hygrodex::State_Rows;
using state::Air_State;

namespace {

// The State sheet's texts of the start state, in row order.
const Names Start_Texts = {"20",     "50",     "13.79", "9.15",  "0.0073", "38.545",
                           "0.8402", "2452.6", "49.42", "2.339", "1.169"};

class Show_State_Test : public Main_Window_Test {
protected:
    static void fill(const State_Column& column, const std::string& text) {
        for (ui::Edit* edit : column.edits) edit->set_text(text);
    }
    static Names texts(const State_Column& column) {
        Names all;
        for (const ui::Edit* edit : column.edits) all.push_back(edit->text());
        return all;
    }
    void clear_messages() {
        for (const char* line : {"Message1", "Message2", "Message3"}) driver.get<ui::Label>(line).set_caption("");
    }
    void expect_default_messages() {
        EXPECT_EQ(driver.get<ui::Label>("Message1").caption(), "In addition to Patm,");
        EXPECT_EQ(driver.get<ui::Label>("Message2").caption(), "you still need 2 properties to");
        EXPECT_EQ(driver.get<ui::Label>("Message3").caption(), "define a state.");
    }
    // The current-state column of every sheet.
    std::vector<const State_Column*> current_columns() const {
        return {&Col_state, &Col_two1, &Col_two2, &Col_pad_outdoor, &Col_vpd_air};
    }
};

TEST_F(Show_State_Test, WritesOnlyTheActiveSheetsCurrentColumn) {
    struct Case {
        ui::Tab_Sheet* sheet;
        const State_Column* written;
    };
    const Case cases[] = {
        {&driver.get<ui::Tab_Sheet>("Sheet_state"), &Col_state},
        {&driver.get<ui::Tab_Sheet>("Sheet_pad"), &Col_pad_outdoor},
        {&driver.get<ui::Tab_Sheet>("Sheet_vpd"), &Col_vpd_air},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sheet->caption());
        for (const State_Column* column : current_columns()) fill(*column, "x");
        clear_messages();
        driver.get<ui::Page_Control>("PageControl1").set_active_page(c.sheet);
        form.Show_State();
        expect_default_messages();
        for (const State_Column* column : current_columns())
            EXPECT_EQ(texts(*column), column == c.written ? Start_Texts : Names(Row_Count, "x"));
    }
}

TEST_F(Show_State_Test, OnTheProcessSheetWritesTheColumnWhoseButtonIsDown) {
    struct Case {
        const char* name;
        bool two1_down;
        bool two2_down;
    };
    const Case cases[] = {{"State 1 active", true, false}, {"State 2 active", false, true}, {"both up", false, false}};
    driver.get<ui::Page_Control>("PageControl1").set_active_page(&driver.get<ui::Tab_Sheet>("Sheet_two"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        driver.get<ui::Speed_Button>("SBtn_two1").set_down(c.two1_down);
        driver.get<ui::Speed_Button>("SBtn_two2").set_down(c.two2_down);
        ASSERT_EQ(driver.get<ui::Speed_Button>("SBtn_two1").down(), c.two1_down);
        ASSERT_EQ(driver.get<ui::Speed_Button>("SBtn_two2").down(), c.two2_down);
        for (const State_Column* column : {&Col_two1, &Col_two2, &Col_two_diff}) fill(*column, "x");
        clear_messages();
        form.Show_State();
        expect_default_messages();
        const Names kept(Row_Count, "x");
        EXPECT_EQ(texts(Col_two1), c.two1_down ? Start_Texts : kept);
        EXPECT_EQ(texts(Col_two2), c.two2_down ? Start_Texts : kept);
        EXPECT_EQ(texts(Col_two_diff), kept);
    }
}

TEST_F(Show_State_Test, EachRowIsWrittenWithItsDisplayMask) {
    Air_State& s = forced_state();
    s.Tdb = 25;      // "###0.##": no decimal separator for a whole number
    s.RH = 60.125f;  // exact in binary: the half goes away from zero
    s.Twb = -5.5f;
    s.Tdp = -0.004f;  // rounds to zero; the mask keeps one integer digit
    s.AH = 0.01234f;
    s.H = 45.6789f;
    s.SV = 0.85f;
    s.Hfg = 2450;
    s.DOS = 0.49416f;  // shown in %
    s.Pws = 3.16694f;
    s.Pw = 0;
    form.Show_State();
    EXPECT_EQ(texts(Col_state),
              (Names{"25", "60.13", "-5.5", "0", "0.0123", "45.679", "0.85", "2450", "49.42", "3.167", "0"}));
}

TEST(State_Rows, ShowTheDegreeOfSaturationInPercentAsAFloat) {
    Air_State state;
    state.DOS = 0.49416f;
    EXPECT_EQ(shown_value(Row::DOS, state), 49.416f);
    EXPECT_EQ(shown_text(Row::DOS, state), "49.42");
    state.Tdb = 0.49416f;
    EXPECT_EQ(shown_value(Row::Tdb, state), 0.49416f);
}

}  // namespace
