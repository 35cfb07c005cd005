#include <string>
#include <utility>
#include <vector>

#include "tests/main/sheet_test.h"

using chart::Mode_VPD;
using hygrodex::Row;
using hygrodex::Row_Count;
using hygrodex::shown_text;

namespace {

using Expected_Texts = std::vector<std::pair<std::string, std::string>>;

// The air at the start state: Tdb 20, RH 50, Pw 1.169.
class Vpd_Sheet_Test : public Sheet_Test {
protected:
    Vpd_Sheet_Test() { driver.select_page("VPD"); }

    void expect_texts(const Expected_Texts& expected) const {
        for (const auto& [edit, shown] : expected) EXPECT_EQ(text(edit), shown) << edit;
    }
};

TEST_F(Vpd_Sheet_Test, TheLeafIsSaturatedAirAtItsTemperature) {
    struct Case {
        const char* leaf;
        Expected_Texts expected;
    };
    const Case cases[] = {
        {"30",
         {{"Edit_vtdb2", "30"},
          {"Edit_vrh2", "100"},
          {"Edit_vtwb2", "30"},
          {"Edit_vtdp2", "30"},
          {"Edit_vah2", "0.0272"},
          {"Edit_vh2", "99.69"},
          {"Edit_vsv2", "0.8964"},
          {"Edit_vhfg2", "2428.4"},
          {"Edit_vdos2", "100"},
          {"Edit_vpws2", "4.246"},
          {"Edit_vpw2", "4.246"},
          {"Edit_vvpd", "3.077"},
          {"Edit_vtdbd", "10"}}},
        // The air's own temperature: its Pws less its Pw.
        {"20", {{"Edit_vvpd", "1.169"}, {"Edit_vtdbd", "0"}, {"Edit_vpws2", "2.339"}}},
        {"10", {{"Edit_vvpd", "0.059"}, {"Edit_vtdbd", "-10"}}},
        {"70", {{"Edit_vtdb2", "70"}, {"Edit_vtdbd", "50"}, {"Edit_vhfg2", "2331.6"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leaf);
        driver.enter_text("Edit_vtdb2", c.leaf);
        mark_lines();
        drawings.count = 0;
        leave();
        EXPECT_TRUE(front_end.boxes.empty());
        expect_texts(c.expected);
        EXPECT_EQ(lines(), Names(3, "marked")) << "no message line is touched";
        EXPECT_EQ(drawings.count, 0) << "the chart shows the leaf only after Draw";
    }
}

TEST_F(Vpd_Sheet_Test, ALeafTemperatureOutsideTheChartIsRefusedAndItsTextStays) {
    struct Case {
        const char* leaf;
        const char* message;
    };
    const Case cases[] = {
        {"70.01", "Tdb is too high. Please reinput!!"},
        {"-40.5", "Tdb is too low. Please reinput!!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leaf);
        fill(Col_vpd_leaf, Names(Row_Count, "old"));
        Col_vpd_leaf[Row::Tdb].set_text("");
        driver.get<ui::Edit>("Edit_vvpd").set_text("old");
        driver.get<ui::Edit>("Edit_vtdbd").set_text("old");
        enter("Edit_vtdb2", c.leaf);
        EXPECT_EQ(take_boxes(), Boxes{error_box(c.message)});
        EXPECT_EQ(text("Edit_vtdb2"), c.leaf);
        EXPECT_EQ(text("Edit_vah2"), "old");
        EXPECT_EQ(text("Edit_vvpd"), "old");
        EXPECT_EQ(text("Edit_vtdbd"), "old");
    }
}

TEST_F(Vpd_Sheet_Test, AnAirEntryRefreshesOnlyTheDeficit) {
    enter("Edit_vtdb2", "30");
    const Names leaf = texts(Col_vpd_leaf);
    enter("Edit_vtdb1", "25");
    EXPECT_TRUE(front_end.boxes.empty());
    // 4.246 less the Pw of 25 degree C at 50 %, 1.585.
    EXPECT_EQ(text("Edit_vvpd"), "2.661");
    EXPECT_EQ(text("Edit_vpw1"), "1.585");
    EXPECT_EQ(text("Edit_vtdbd"), "10") << "kept from the leaf entry";
    EXPECT_EQ(texts(Col_vpd_leaf), leaf);
    EXPECT_EQ(lines(), (Names{"In addition to Patm,", "you still need 2 properties to", ""}));
}

TEST_F(Vpd_Sheet_Test, ARefusedLeafTemperatureStillGivesADeficitUnlessItHasNoSaturationPressure) {
    struct Case {
        const char* leaf;
        const char* deficit;  // after an air entry
    };
    const Case cases[] = {
        {"70.01", "30.042"},    // no range test here: Pws 31.211 less Pw 1.169
        {"-273.15", "-1.169"},  // the float just above absolute zero: no vapour at all
        {"-273.16", "old"},     // below it the formula has no value: skipped without a message
        {"-500", "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leaf);
        enter("Edit_vtdb2", c.leaf);
        take_boxes();
        driver.get<ui::Edit>("Edit_vvpd").set_text("old");
        driver.get<ui::Label>("Message3").set_caption("marked");
        drawings.count = 0;
        enter("Edit_vtdb1", "20.5");
        enter("Edit_vtdb1", "20");
        EXPECT_TRUE(take_boxes().empty());
        EXPECT_EQ(text("Edit_vvpd"), c.deficit);
        EXPECT_EQ(text("Edit_vtdb1"), "20") << "the Air column is refreshed";
        EXPECT_EQ(drawings.count, 2);
        EXPECT_EQ(text("Message3"), std::string(c.deficit) == "old" ? "define a state." : "");
    }
}

TEST_F(Vpd_Sheet_Test, ALeafTextThatIsNoNumberIsPassedOverByEveryRefreshOfTheSheet) {
    driver.enter_text("Edit_vtdb2", "3-0");
    leave();
    EXPECT_EQ(take_boxes(), Boxes{conversion_box("3-0")});
    EXPECT_EQ(driver.focused_name(), "Edit_vtdb2") << "the field cannot be left with that text";
    // A refresh from elsewhere (a new pressure from the settings dialog, say) meets the text.
    Col_vpd_leaf[Row::Tdb].set_text("");
    leave();
    Col_vpd_leaf[Row::Tdb].set_text("3-0");
    const std::string deficit = text("Edit_vvpd");
    enter("Edit_vtdb1", "25");
    EXPECT_TRUE(take_boxes().empty());
    EXPECT_EQ(state().Tdb, 25.0f) << "the entry is stored";
    EXPECT_EQ(text("Edit_vhfg1"), shown_text(Row::Hfg, state())) << "and the column refreshed";
    EXPECT_EQ(text("Edit_vvpd"), deficit) << "without a deficit for that text";
}

TEST_F(Vpd_Sheet_Test, TheSheetSwitchMatchesTheDeficitToTheLoadedAir) {
    enter("Edit_vtdb2", "30");
    driver.select_page("State");
    driver.get<ui::Edit>("Edit_vvpd").set_text("old");
    driver.select_page("VPD");
    EXPECT_EQ(text("Edit_vvpd"), "3.077");
    EXPECT_EQ(lines(), (Names{"Find the vapor pressure deficit", "between air and leaf.", ""}));
}

TEST_F(Vpd_Sheet_Test, DrawNeedsALeafAndTicksThePwLinesWhoseRedrawComesFirst) {
    drawings.count = 0;
    driver.click("Btn_vpd");
    EXPECT_EQ(take_boxes(), Boxes{error_box("Please input Leaf state!!")});
    EXPECT_FALSE(driver.get<ui::Check_Box>("Check_Pw").checked());
    EXPECT_EQ(drawings.count, 0);

    struct Case {
        const char* name;
        int drawings;  // the check box's own redraw, then the drawing of the leaf
    };
    const Case cases[] = {{"Pw lines off", 2}, {"Pw lines already on", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        driver.enter_text("Edit_vtdb2", "30");
        drawings.count = 0;
        driver.click("Btn_vpd");
        EXPECT_TRUE(front_end.boxes.empty());
        EXPECT_EQ(text("Edit_vvpd"), "3.077") << "the pending leaf entry is taken first";
        EXPECT_TRUE(driver.get<ui::Check_Box>("Check_Pw").checked());
        EXPECT_EQ(drawings.count, c.drawings);
        EXPECT_EQ(chart().Chart_Mode, Mode_VPD);
        EXPECT_TRUE(chart_shows("Air"));
        EXPECT_TRUE(chart_shows("Leaf"));
        EXPECT_TRUE(chart_shows("Pw"));
        EXPECT_EQ(lines(), (Names{"VPD(Vapor Pressure Deficit)", "The vertical distance between",
                                  "      two horizontal lines."}));
    }
}

TEST_F(Vpd_Sheet_Test, DrawWithOnlyRefusedLeafTemperaturesStopsAtTheEmptyAH) {
    enter("Edit_vtdb2", "80");
    take_boxes();
    driver.click("Btn_vpd");
    EXPECT_EQ(take_boxes(), Boxes{conversion_box("")});
    EXPECT_EQ(chart().Chart_Mode, Mode_VPD);
    EXPECT_TRUE(chart_shows("Air"));
    EXPECT_FALSE(chart_shows("Leaf"));
}

}  // namespace
