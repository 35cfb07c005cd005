#include <cmath>
#include <string>

#include "engine/property.h"
#include "tests/earlier/moistrel_test.h"

namespace {

const Names Start_Texts = {"20",     "50",      "13.786", "9.1467", "0.0072", "38.544",
                           "0.8401", "2452.60", "0.4941", "2.3387", "1.1693"};

struct Refusal {
    const char* edit;
    const char* typed;
    const char* message;
};

// Every limit is inclusive and tested against the stored state (Tdb 20, Pws 2.3387 kPa).
TEST_F(Moistrel_Test, ValuesBeyondALimitAreRefusedOnTheThirdLineAndTheFieldShowsTheStateAgain) {
    const Refusal refusals[] = {
        {"Edit_tdb", "70.01", "溫度輸入值太高，請重新輸入"},
        {"Edit_tdb", "-40.01", "溫度輸入值太低，請重新輸入"},
        {"Edit_rh", "100.01", "相對溼度輸入值太高，請重新輸入"},
        {"Edit_rh", "-0.01", "相對溼度輸入值太低，請重新輸入"},
        {"Edit_twb", "20.01", "濕球溫度輸入值太高，請重新輸入"},
        {"Edit_twb", "5.9", "濕球溫度輸入值太低，請重新輸入"},
        {"Edit_tdp", "20.01", "露點溫度輸入值太高，請重新輸入"},
        {"Edit_tdp", "-40", "露點溫度輸入值太低，請重新輸入"},
        {"Edit_ah", "0.015", "絕對溼度輸入值太高，請重新輸入"},
        {"Edit_ah", "-0.0001", "絕對溼度輸入值太低，請重新輸入"},
        {"Edit_dos", "1.01", "dos輸入值太高，請重新輸入"},
        {"Edit_dos", "50", "dos輸入值太高，請重新輸入"},
        {"Edit_dos", "-0.01", "dos輸入值太低，請重新輸入"},
        {"Edit_pw", "2.339", "蒸氣壓輸入值太高，請重新輸入"},
        {"Edit_pw", "-0.01", "蒸氣壓輸入值太低，請重新輸入"},
    };
    for (const Refusal& refusal : refusals) {
        enter(refusal.edit, refusal.typed);
        EXPECT_EQ(text("Message3"), refusal.message) << refusal.edit << " " << refusal.typed;
        EXPECT_EQ(panel_texts(), Start_Texts) << refusal.edit << " " << refusal.typed;
    }
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(Moistrel_Test, TheLimitsThemselvesAreTakenAndAnAcceptedEntryEmptiesTheThirdLine) {
    enter("Edit_tdb", "70.01");
    enter("Edit_tdb", "70");
    EXPECT_EQ(text("Message3"), "");
    EXPECT_EQ(state().Tdb, 70.0f);
    enter("Edit_tdb", "-40");
    EXPECT_EQ(state().Tdb, -40.0f);
    EXPECT_EQ(text("Edit_tdb"), "-40");
    enter("Edit_dos", "1");
    EXPECT_EQ(text("Message3"), "");
    EXPECT_FLOAT_EQ(state().RH, 100);
}

TEST_F(Moistrel_Test, AnEmptyOrBadTextShowsTheConversionErrorAndChangesNothing) {
    for (const std::string typed : {"", "1-2", "-"}) {
        enter("Edit_tdb", typed);
        ASSERT_EQ(front_end.boxes.size(), 1u) << typed;
        EXPECT_EQ(front_end.boxes.front().caption, "Moistrel");
        EXPECT_EQ(front_end.take_box_texts(), (Names{"'" + typed + "' is not a valid floating point value."}));
        EXPECT_EQ(driver.focused_name(), "Edit_tdb");
        Names expected = Start_Texts;
        expected[0] = typed;
        EXPECT_EQ(panel_texts(), expected);
        driver.get<ui::Edit>("Edit_tdb").select_all();
        driver.type("20");
        driver.press_into("Check_T");
    }
}

TEST_F(Moistrel_Test, RhZeroIsHeldAsAThousandthAndRhHundredIsSaturatedAir) {
    enter("Edit_rh", "0");
    EXPECT_EQ(state().RH, 0.001f);
    EXPECT_EQ(text("Edit_rh"), "0.0010");
    enter("Edit_rh", "100");
    EXPECT_EQ(state().Pw, state().Pws);
    EXPECT_EQ(state().Twb, 20.0f);
    EXPECT_EQ(state().Tdp, 20.0f);
}

// The fits do not invert each other and the cut truncates, so a field left as it was moves the
// state a little, except where the shown text is the value itself.
TEST_F(Moistrel_Test, PassingThroughAFieldTakesItsShownText) {
    struct Case {
        const char* edit;
        float rh_low;
        float rh_high;
    };
    const Case cases[] = {
        {"Edit_tdb", 50, 50},
        {"Edit_rh", 50, 50},
        {"Edit_twb", 49.2f, 49.4f},
        {"Edit_ah", 49.5f, 49.7f},
    };
    const Names start = panel_texts();
    for (const Case& c : cases) {
        // Back to the start state, as a user types it.
        enter("Edit_tdb", "20");
        enter("Edit_rh", "50");
        ASSERT_EQ(panel_texts(), start);
        driver.press_into(c.edit);
        driver.tab();
        EXPECT_GE(state().RH, c.rh_low) << c.edit;
        EXPECT_LE(state().RH, c.rh_high) << c.edit;
    }
}

TEST_F(Moistrel_Test, AWetBulbEqualToTheDryBulbIsSaturatedAirByTheFits) {
    enter("Edit_twb", "20");
    EXPECT_EQ(state().RH, 100.0f);
    EXPECT_EQ(state().Pw, state().Pws);
    EXPECT_EQ(text("Edit_tdp"), "19.857");
}

// Perfectly dry air takes the dew point of the driest RH, and its Pw stays 0.
TEST_F(Moistrel_Test, PerfectlyDryAirNeedsNoLogarithmOfZero) {
    struct Case {
        const char* tdb;
        const char* edit;
    };
    const Case cases[] = {
        {"20", "Edit_ah"},  {"20", "Edit_pw"},  {"20", "Edit_dos"},
        {"-10", "Edit_ah"}, {"-10", "Edit_pw"}, {"-10", "Edit_dos"},
    };
    for (const Case& c : cases) {
        enter("Edit_rh", "50");
        enter("Edit_tdb", c.tdb);
        enter(c.edit, "0");
        EXPECT_TRUE(front_end.boxes.empty()) << c.tdb << " " << c.edit;
        front_end.boxes.clear();
        EXPECT_EQ(state().Pw, 0.0f) << c.tdb << " " << c.edit;
        EXPECT_EQ(state().AH, 0.0f) << c.tdb << " " << c.edit;
        EXPECT_TRUE(std::isfinite(state().Tdp) && state().Tdp < state().Tdb) << c.tdb << " " << c.edit;
        EXPECT_TRUE(std::isfinite(state().Twb) && state().Twb < state().Tdb) << c.tdb << " " << c.edit;
        EXPECT_EQ(text("Message3"), "");
    }
}

// The cut keeps the exponent, so the driest air stays dry when its fields are passed through.
TEST_F(Moistrel_Test, TinyValuesKeepTheirExponentThroughAPassingExit) {
    enter("Edit_rh", "0");
    EXPECT_EQ(text("Edit_pw"), "2.3E-5");
    EXPECT_EQ(text("Edit_ah"), "1.4E-7");
    driver.press_into("Edit_pw");
    driver.tab();
    EXPECT_LT(state().RH, 0.01f);
    driver.press_into("Edit_ah");
    driver.tab();
    EXPECT_LT(state().RH, 0.01f);
    EXPECT_TRUE(front_end.boxes.empty());
}

// The wet bulb's RH is the shared one of the other program's sheets, and a Twb left untouched
// keeps the air it shows.
TEST_F(Moistrel_Test, AWetBulbGivesTheAirOfThatWetBulb) {
    enter("Edit_tdb", "6");
    enter("Edit_twb", "5");
    EXPECT_NEAR(state().RH, 84.37f, 0.005f);
    enter("Edit_tdb", "6.18");
    enter("Edit_rh", "70");
    driver.press_into("Edit_twb");
    driver.tab();
    EXPECT_NEAR(state().RH, 70, 1);
    EXPECT_TRUE(front_end.boxes.empty());
}

// At a dry bulb of 0 and below the wet-bulb fit is undefined, and up to about 8.5 degC it gives
// RH 0 for most wet bulbs: the RH is then the one whose wet bulb was typed.
TEST_F(Moistrel_Test, WetBulbEntriesAtLowDryBulbsFindTheirRh) {
    for (const char* tdb : {"5", "0", "-10", "-40"}) {
        enter("Edit_rh", "50");
        enter("Edit_tdb", tdb);
        const float twb = state().Twb;
        driver.press_into("Edit_twb");
        driver.tab();
        EXPECT_TRUE(front_end.boxes.empty()) << tdb;
        front_end.boxes.clear();
        EXPECT_GT(state().RH, 40) << tdb;
        EXPECT_LT(state().RH, 60) << tdb;
        EXPECT_NEAR(Calc_Property(Kind_Twb, state().Tdb, state().Tdp), twb, 0.01) << tdb;
    }
}

}  // namespace
