#include <string>
#include <utility>
#include <vector>

#include "tests/main/sheet_test.h"

using chart::Mode_Pad;
using hygrodex::Row;
using hygrodex::Row_Count;
using hygrodex::shown_text;

namespace {

using Expected_Texts = std::vector<std::pair<std::string, std::string>>;

class Pad_Sheet_Test : public Sheet_Test {
protected:
    Pad_Sheet_Test() { driver.select_page("Pad"); }

    // The outdoor air at Tdb with RH 50, entered in the Outdoor column.
    void set_outdoor(const std::string& tdb, const std::string& rh = "50") {
        enter("Edit_prh1", rh);
        enter("Edit_ptdb1", tdb);
        ASSERT_TRUE(front_end.boxes.empty());
    }
    Names after_pad_outputs() const {
        const Names all = texts(Col_pad_after);
        return Names(all.begin() + 1, all.end());
    }
    Names outdoor_outputs() const {
        const Names all = texts(Col_pad_outdoor);
        return Names(all.begin() + 1, all.end());
    }
    void expect_texts(const Expected_Texts& expected) const {
        for (const auto& [edit, shown] : expected) EXPECT_EQ(text(edit), shown) << edit;
    }
};

// Outdoor air at 30 degree C and 50 % has a Twb of 21.84 and an H of 64.191.
TEST_F(Pad_Sheet_Test, TheAfterPadStateFollowsTheConstantEnthalpyLineFromTheOutdoorState) {
    struct Case {
        const char* outdoor_tdb;
        const char* field;  // Edit_peff or Edit_ptdb2
        const char* typed;
        Expected_Texts expected;
    };
    const Case cases[] = {
        // Twb lies beyond the line's crossing with saturation (near 21.92): the air is saturated.
        {"30",
         "Edit_peff",
         "100",
         {{"Edit_ptdb2", "21.84"},
          {"Edit_prh2", "100"},
          {"Edit_ptwb2", "21.84"},
          {"Edit_ptdp2", "21.84"},
          {"Edit_pah2", "0.0166"},
          {"Edit_ph2", "64.191"},
          {"Edit_psv2", "0.858"},
          {"Edit_phfg2", "2448.16"},
          {"Edit_pdos2", "100"},
          {"Edit_ppws2", "2.618"},
          {"Edit_ppw2", "2.618"},
          {"Edit_peff", "100"}}},
        {"30",
         "Edit_peff",
         "90",
         {{"Edit_ptdb2", "22.65"},
          {"Edit_prh2", "93.96"},
          {"Edit_ptwb2", "21.97"},
          {"Edit_ptdp2", "21.5"},
          {"Edit_pah2", "0.0163"},
          {"Edit_ph2", "64.191"},
          {"Edit_pdos2", "93.8"},
          {"Edit_ppws2", "2.752"},
          {"Edit_ppw2", "2.586"}}},
        {"30",
         "Edit_ptdb2",
         "25",
         {{"Edit_ptdb2", "25"},
          {"Edit_peff", "61.25"},
          {"Edit_prh2", "76.92"},
          {"Edit_pdos2", "76.35"},
          {"Edit_phfg2", "2440.5"}}},
        {"20", "Edit_peff", "100", {{"Edit_ptdb2", "13.79"}, {"Edit_prh2", "99.37"}, {"Edit_ptdp2", "13.53"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.typed);
        set_outdoor(c.outdoor_tdb);
        driver.enter_text(c.field, c.typed);
        mark_lines();
        drawings.count = 0;
        leave();
        EXPECT_TRUE(front_end.boxes.empty());
        expect_texts(c.expected);
        EXPECT_EQ(drawings.count, 0) << "the chart shows the after-pad state only after Draw";
        EXPECT_EQ(text("Message1"), "marked");
        fill(Col_pad_after, Empty_Column);
        driver.get<ui::Edit>("Edit_peff").set_text("");
    }
}

TEST_F(Pad_Sheet_Test, AnEfficiencyOf100GivesExactlyTheOutdoorWetBulb) {
    set_outdoor("30");
    enter("Edit_peff", "100");
    EXPECT_EQ(text("Edit_ptdb2"), text("Edit_ptwb1"));
    enter("Edit_peff", "0");
    EXPECT_EQ(text("Edit_ptdb2"), "30");
    EXPECT_EQ(after_pad_outputs(), outdoor_outputs());
}

TEST_F(Pad_Sheet_Test, AnAfterPadTdbAtTheShownOutdoorTdbComputesNothingWhile30Point0MeansNoCooling) {
    set_outdoor("30");
    enter("Edit_peff", "90");
    const Names computed = texts(Col_pad_after);
    enter("Edit_ptdb2", "30");
    EXPECT_EQ(text("Edit_ptdb2"), "30");
    EXPECT_EQ(after_pad_outputs(), Names(computed.begin() + 1, computed.end()));
    EXPECT_EQ(text("Edit_peff"), "90");

    driver.get<ui::Label>("Message3").set_caption("marked");
    enter("Edit_ptdb2", "30.0");
    EXPECT_TRUE(front_end.boxes.empty());
    EXPECT_EQ(text("Edit_peff"), "0");
    EXPECT_EQ(text("Edit_ptdb2"), "30.0") << "kept as typed";
    EXPECT_EQ(after_pad_outputs(), outdoor_outputs());
    EXPECT_EQ(text("Message3"), "");
}

TEST_F(Pad_Sheet_Test, OutOfRangeEntriesAreRefusedAndTheirTextsStay) {
    struct Case {
        const char* field;
        const char* typed;
        const char* message;  // nullptr: accepted
    };
    // Outdoor 30 degree C, 50 %: the after-pad Tdb lies between Twb 21.84 and Tdb 30.
    const Case cases[] = {
        {"Edit_ptdb2", "35", "Tdb is too high. Please reinput!!"},
        {"Edit_ptdb2", "30.01", "Tdb is too high. Please reinput!!"},
        {"Edit_ptdb2", "21", "Tdb is too low. Please reinput!!"},
        {"Edit_ptdb2", "21.83", "Tdb is too low. Please reinput!!"},
        {"Edit_ptdb2", "21.84", nullptr},
        {"Edit_peff", "150", "Eff. is too high. Please reinput!!"},
        {"Edit_peff", "100.01", "Eff. is too high. Please reinput!!"},
        {"Edit_peff", "-1", "Eff. is too low. Please reinput!!"},
        {"Edit_peff", "100", nullptr},
        {"Edit_peff", "0", nullptr},
    };
    set_outdoor("30");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.typed);
        fill(Col_pad_after, Names(Row_Count, "old"));
        driver.get<ui::Edit>("Edit_peff").set_text("");
        enter(c.field, c.typed);
        EXPECT_EQ(text(c.field), c.typed);
        if (c.message) {
            EXPECT_EQ(take_boxes(), Boxes{error_box(c.message)});
            EXPECT_EQ(after_pad_outputs(), Names(Row_Count - 1, "old"));
        } else {
            EXPECT_TRUE(take_boxes().empty());
            EXPECT_NE(text("Edit_prh2"), "old");
        }
    }
}

// The efficiency text is what the sheet holds on to: every refresh of the outdoor state
// recomputes the AfterPad column from it.
TEST_F(Pad_Sheet_Test, LaterOutdoorEntriesKeepTheEfficiencyNotTheAfterPadTdb) {
    set_outdoor("30");
    enter("Edit_ptdb2", "25");
    ASSERT_EQ(text("Edit_peff"), "61.25");
    enter("Edit_ptdb1", "20");
    EXPECT_EQ(text("Edit_peff"), "61.25");
    // 20 - (20 - 13.787) x 0.6125
    EXPECT_EQ(text("Edit_ptdb2"), "16.19");
    EXPECT_EQ(text("Edit_ph2"), text("Edit_ph1"));

    // A refused or unchanged field of the outdoor column refreshes it too.
    Col_pad_after[Row::Tdb].set_text("old");
    enter("Edit_ptdb1", "80");
    EXPECT_EQ(take_boxes(), Boxes{error_box("Tdb is too high. Please reinput!!")});
    EXPECT_EQ(text("Edit_ptdb2"), "16.19");
}

TEST_F(Pad_Sheet_Test, ARefusedEfficiencyLeavesTheAfterPadColumnToLaterOutdoorEntriesSilently) {
    set_outdoor("30");
    enter("Edit_peff", "90");
    const Names computed = texts(Col_pad_after);
    enter("Edit_peff", "150");
    EXPECT_EQ(take_boxes(), Boxes{error_box("Eff. is too high. Please reinput!!")});
    for (const char* tdb : {"25", "35"}) {
        SCOPED_TRACE(tdb);
        drawings.count = 0;
        enter("Edit_ptdb1", tdb);
        EXPECT_TRUE(front_end.boxes.empty());
        EXPECT_EQ(text("Edit_ptdb1"), tdb) << "the outdoor column is refreshed";
        EXPECT_EQ(drawings.count, 1);
        EXPECT_EQ(texts(Col_pad_after), computed);
        EXPECT_EQ(text("Edit_peff"), "150");
    }
}

TEST_F(Pad_Sheet_Test, WithoutAnEfficiencyTheAfterPadColumnStaysAsItWas) {
    set_outdoor("30");
    enter("Edit_ptdb2", "25");
    driver.get<ui::Edit>("Edit_peff").set_text("");
    const Names computed = texts(Col_pad_after);
    enter("Edit_ptdb1", "28");
    EXPECT_EQ(texts(Col_pad_after), computed);
}

TEST_F(Pad_Sheet_Test, AnEfficiencyThatIsNoNumberIsPassedOverByEveryRefreshOfTheSheet) {
    set_outdoor("30");
    driver.enter_text("Edit_peff", "9-0");
    driver.tab();
    EXPECT_EQ(take_boxes(), Boxes{conversion_box("9-0")});
    EXPECT_EQ(driver.focused_name(), "Edit_peff") << "the field cannot be left with that text";
    // A refresh from elsewhere (a new pressure from the settings dialog, say) meets the text.
    driver.get<ui::Edit>("Edit_peff").set_text("");
    leave();
    driver.get<ui::Edit>("Edit_peff").set_text("9-0");
    const Names after_pad = texts(Col_pad_after);
    enter("Edit_ptdb1", "25");
    EXPECT_TRUE(take_boxes().empty());
    EXPECT_EQ(state().Tdb, 25.0f) << "the entry is stored";
    EXPECT_EQ(text("Edit_ptdb1"), "25");
    EXPECT_EQ(text("Edit_ph1"), shown_text(Row::H, state())) << "and the column refreshed";
    EXPECT_EQ(texts(Col_pad_after), after_pad) << "without an after-pad state for that text";
    EXPECT_EQ(text("Edit_peff"), "9-0");
}

TEST_F(Pad_Sheet_Test, SaturatedOutdoorAirLeavesThePadAsItCame) {
    set_outdoor("30", "100");
    ASSERT_EQ(state().Twb, state().Tdb);
    struct Case {
        const char* field;
        const char* typed;
        const char* efficiency_after;
    };
    const Case cases[] = {
        {"Edit_ptdb2", "30.0", "0"},  // the only after-pad Tdb there is, typed unlike the shown one
        {"Edit_peff", "50", "50"},
        {"Edit_peff", "100", "100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.typed);
        fill(Col_pad_after, Empty_Column);
        enter(c.field, c.typed);
        EXPECT_TRUE(take_boxes().empty());
        EXPECT_EQ(text("Edit_peff"), c.efficiency_after);
        EXPECT_EQ(after_pad_outputs(), outdoor_outputs());
    }
    enter("Edit_ptdb2", "29.99");
    EXPECT_EQ(take_boxes(), Boxes{error_box("Tdb is too low. Please reinput!!")});
}

TEST_F(Pad_Sheet_Test, PerfectlyDryOutdoorAirGivesAnAfterPadStateWithoutAMathError) {
    enter("Edit_ppw1", "0");
    ASSERT_TRUE(take_boxes().empty());
    for (const char* efficiency : {"0", "50", "100"}) {
        SCOPED_TRACE(efficiency);
        enter("Edit_peff", efficiency);
        EXPECT_TRUE(take_boxes().empty());
        EXPECT_NE(text("Edit_ptdp2"), "");
        EXPECT_EQ(text("Edit_ph2"), text("Edit_ph1"));
    }
}

TEST_F(Pad_Sheet_Test, TheSheetSwitchRecomputesTheAfterPadColumnFromTheLoadedOutdoorState) {
    set_outdoor("30");
    driver.select_page("State");
    driver.get<ui::Edit>("Edit_peff").set_text("100");
    driver.select_page("Pad");
    EXPECT_EQ(text("Edit_ptdb2"), "21.84");
    EXPECT_EQ(text("Edit_prh2"), "100");
    EXPECT_EQ(lines(), (Names{"Find the efficiency or AfterPad T", "of an Evaporative cooling pad.", ""}));
}

TEST_F(Pad_Sheet_Test, DrawNeedsAnAfterPadTdbAndTakesAPendingEfficiencyFirst) {
    set_outdoor("30");
    drawings.count = 0;
    driver.click("Btn_efficiency");
    EXPECT_EQ(take_boxes(), Boxes{error_box("Please input AfterPad condition or Eff.!!")});
    EXPECT_EQ(drawings.count, 0);

    driver.enter_text("Edit_peff", "90");
    driver.click("Btn_efficiency");
    EXPECT_TRUE(front_end.boxes.empty());
    EXPECT_EQ(text("Edit_ptdb2"), "22.65");
    EXPECT_EQ(lines(), (Names{"Either AfterPad or Eff.", "  can be the unknown", ""}));
    EXPECT_EQ(chart().Chart_Mode, Mode_Pad);
    EXPECT_EQ(drawings.count, 1);
    for (const char* label : {"Outdoor", "AfterPad", "100%"}) EXPECT_TRUE(chart_shows(label)) << label;
}

TEST_F(Pad_Sheet_Test, DrawWithOnlyRefusedAfterPadTdbsStopsAtTheEmptyAH) {
    set_outdoor("30");
    enter("Edit_ptdb2", "35");
    take_boxes();
    driver.click("Btn_efficiency");
    EXPECT_EQ(take_boxes(), Boxes{conversion_box("")});
    EXPECT_EQ(chart().Chart_Mode, Mode_Pad);
    EXPECT_TRUE(chart_shows("Outdoor"));
    EXPECT_FALSE(chart_shows("AfterPad"));
}

}  // namespace
