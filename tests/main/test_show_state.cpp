#include "tests/main/main_window_test.h"

namespace {

// The State sheet's texts of the start state, in row order.
const Names Start_Texts = {"20", "50", "13.79", "9.15", "0.0073", "38.545", "0.8402", "2452.6", "49.42", "2.339",
                           "1.169"};

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
        for (ui::Label* line : {form.Message1, form.Message2, form.Message3}) line->set_caption("");
    }
    void expect_default_messages() {
        EXPECT_EQ(form.Message1->caption(), "In addition to Patm,");
        EXPECT_EQ(form.Message2->caption(), "you still need 2 properties to");
        EXPECT_EQ(form.Message3->caption(), "define a state.");
    }
    // The current-state column of every sheet.
    std::vector<const State_Column*> current_columns() const {
        return {&form.Col_state, &form.Col_two1, &form.Col_two2, &form.Col_pad_outdoor, &form.Col_vpd_air};
    }
};

TEST_F(Show_State_Test, WritesOnlyTheActiveSheetsCurrentColumn) {
    struct Case {
        ui::Tab_Sheet* sheet;
        const State_Column* written;
    };
    const Case cases[] = {
        {form.Sheet_state, &form.Col_state},
        {form.Sheet_pad, &form.Col_pad_outdoor},
        {form.Sheet_vpd, &form.Col_vpd_air},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sheet->caption());
        for (const State_Column* column : current_columns()) fill(*column, "x");
        clear_messages();
        form.PageControl1->set_active_page(c.sheet);
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
    form.PageControl1->set_active_page(form.Sheet_two);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.SBtn_two1->set_down(c.two1_down);
        form.SBtn_two2->set_down(c.two2_down);
        ASSERT_EQ(form.SBtn_two1->down(), c.two1_down);
        ASSERT_EQ(form.SBtn_two2->down(), c.two2_down);
        for (const State_Column* column : {&form.Col_two1, &form.Col_two2, &form.Col_two_diff}) fill(*column, "x");
        clear_messages();
        form.Show_State();
        expect_default_messages();
        const Names kept(Row_Count, "x");
        EXPECT_EQ(texts(form.Col_two1), c.two1_down ? Start_Texts : kept);
        EXPECT_EQ(texts(form.Col_two2), c.two2_down ? Start_Texts : kept);
        EXPECT_EQ(texts(form.Col_two_diff), kept);
    }
}

TEST_F(Show_State_Test, EachRowIsWrittenWithItsDisplayMask) {
    Air_State& s = form.State;
    s.Tdb = 25;        // "###0.##": no decimal separator for a whole number
    s.RH = 60.125f;    // exact in binary: the half goes away from zero
    s.Twb = -5.5f;
    s.Tdp = -0.004f;   // rounds to zero; the mask keeps one integer digit
    s.AH = 0.01234f;
    s.H = 45.6789f;
    s.SV = 0.85f;
    s.Hfg = 2450;
    s.DOS = 0.49416f;  // shown in %
    s.Pws = 3.16694f;
    s.Pw = 0;
    form.Show_State();
    EXPECT_EQ(texts(form.Col_state),
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
