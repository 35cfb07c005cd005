#include <string>

#include "engine/property.h"
#include "state/state_steps.h"
#include "tests/main/reliability_test.h"

using chart::Chart_Fields;
using hygrodex::Row;
using hygrodex::row_info;
using hygrodex::shown_text;
using state::Air_State;
using state::Dew_Point;

namespace {

using Driver = test_support::Driver;

// The dew point and wet bulb of perfectly dry air at the stored Tdb.
void expect_dry_air_wet_temperatures(const Air_State& s) {
    EXPECT_EQ(s.Tdp, Dew_Point(s));
    EXPECT_EQ(s.Twb, Calc_Property(Kind_Twb, s.Tdb, s.Tdp));
    EXPECT_LT(s.Twb, s.Tdb);
}

// RH 0 loaded by a sheet switch holds Pw 0. Every chain from it takes the dew point of dry air;
// before, a "log: SING error" box and Tdp = Twb = Tdb, and below 0 degC an invalid operation
// after Tdb and Pws had been stored.
TEST_F(Reliability_Test, ChainsFromPerfectlyDryAirLoadedBySheetSwitchesNeedNoMathError) {
    for (const char* Tdb : {"20", "-5", "-24.2"}) {
        for (const std::string button : {"Btn_rh_down", "Btn_left", "Btn_h_up", "Btn_h_down", "OK"}) {
            SCOPED_TRACE(std::string(Tdb) + " degC, " + button);
            enter("Edit_tdb", Tdb);
            enter("Edit_rh", "0");
            driver.select_page("Process");
            driver.select_page("State");
            ASSERT_EQ(state().Pw, 0);
            if (button == "OK") apply_patm("90");
            else driver.click(button);
            EXPECT_TRUE(take_boxes().empty());
            EXPECT_TRUE(in_physical_range(state()));
            expect_dry_air_wet_temperatures(state());
            apply_patm("101.325");
        }
    }
}

// Repeated steps left from dry air below 0 degC: the wet bulb follows the dry bulb (it once
// stayed at -32.95 beside a Tdb of -35.11).
TEST_F(Reliability_Test, RepeatedStepsFromDryAirBelowZeroKeepTheWetBulbWithTheDryBulb) {
    enter("Edit_tdb", "-30");
    enter("Edit_rh", "0");
    driver.select_page("Process");
    driver.select_page("State");
    for (int step = 0; step < 20; ++step) {
        const Air_State before = state();
        driver.click("Btn_rh_down");
        EXPECT_TRUE(take_boxes().empty());
        expect_dry_air_wet_temperatures(state());
        EXPECT_LT(state().Tdb, before.Tdb);
        EXPECT_LT(state().Twb, before.Twb);
    }
}

// A chain that fails part-way, here at a pressure of 0 that no path stores any more, shows its
// box and leaves the state, the crosshair text and the chart tables as they were.
TEST_F(Reliability_Test, AnActionThatFailsPartWayLeavesTheStateAsItWas) {
    forced_state().Patm = 0;
    const Air_State before = state();
    const std::string crosshair = driver.get<ui::Status_Bar>("StatusBar1").panel_text(0);
    // The step first: the entry's field keeps the text its failed exit could not take.
    const struct {
        const char* name;
        std::function<void()> act;
        const char* error;
    } actions[] = {
        {"crosshair step", [this] { driver.click("Btn_right"); }, "Invalid floating point operation."},
        {"Tdb entry", [this] { enter("Edit_tdb", "25"); }, "Floating point division by zero."},
    };
    for (const auto& action : actions) {
        SCOPED_TRACE(action.name);
        action.act();
        EXPECT_EQ(front_end.take_box_texts(), Names{action.error});
        EXPECT_EQ(fields(state()), fields(before));
        EXPECT_EQ(driver.get<ui::Status_Bar>("StatusBar1").panel_text(0), crosshair);
    }

    forced_state() = before;
    forced_state().Patm = 101.325f;
    const Air_State standard = state();
    const Chart_Fields chart_before = chart();
    settings.edit_patm->set_text("0");
    application.dispatch([this] { form.Set_Patm(); });
    EXPECT_EQ(take_boxes(), Boxes{exception_box("Floating point division by zero")});
    EXPECT_EQ(fields(state()), fields(standard));
    EXPECT_EQ(chart().W_Grid, chart_before.W_Grid);
    EXPECT_EQ(chart().AH_Level, chart_before.AH_Level);
}

TEST_F(Reliability_Test, TheEnthalpyUpStepNearSaturationEndsOnTheSaturationCurve) {
    enter("Edit_tdb", "0.13");
    enter("Edit_rh", "99");
    driver.click("Btn_h_up");
    EXPECT_TRUE(take_boxes().empty());
    const Air_State& s = state();
    EXPECT_TRUE(in_physical_range(s));
    EXPECT_EQ(s.RH, 100);
    EXPECT_EQ(s.Pw, s.Pws);
    EXPECT_EQ(text("Edit_rh"), "100");
    EXPECT_EQ(text("Edit_dos"), "100");
}

// The Pws loaded for Tdb 21.236 was shown for it, 2.524, while Pws(21.24) is larger: a dew point
// typed at the loaded Tdb once gave RH 100.02 %.
TEST_F(Reliability_Test, ADewPointAtALoadedTdbAboveTheLoadedPwsIsSaturatedAir) {
    enter("Edit_tdb", "21.236");
    driver.select_page("Process");
    driver.select_page("State");
    driver.select_page("Process");
    enter("Edit_2tdp1", "21.24");
    EXPECT_TRUE(take_boxes().empty());
    const Air_State& s = state();
    EXPECT_TRUE(in_physical_range(s));
    EXPECT_EQ(s.RH, 100);
    EXPECT_EQ(s.Pw, s.Pws);
    EXPECT_EQ(s.Tdp, s.Tdb);
    EXPECT_EQ(text("Edit_2rh1"), "100");
}

// H at its lower limit, 1.006 x 24.76 as a float, then RH up: AH, Pw, RH and DOS were a hair
// below 0, then a "log: DOMAIN error" and Twb and Tdp shown as "NAN". SV at its lower limit at
// -40 degC showed RH and DOS -0.05 without a box.
TEST_F(Reliability_Test, AnEnthalpyOrVolumeAtItsLowerLimitIsDryAirAndStepsOnWithoutAMathError) {
    enter("Edit_tdb", "24.76");
    enter("Edit_h", "24.908559799194");
    EXPECT_TRUE(take_boxes().empty());
    EXPECT_EQ(state().AH, 0);
    EXPECT_EQ(text("Edit_rh"), "0");
    driver.click("Btn_rh_up");
    EXPECT_TRUE(take_boxes().empty());
    EXPECT_TRUE(in_physical_range(state()));
    EXPECT_NE(text("Edit_twb"), "NAN");
    EXPECT_NE(text("Edit_tdp"), "NAN");

    enter("Edit_tdb", "-40");
    enter("Edit_sv", "0.660517275");
    EXPECT_TRUE(take_boxes().empty());
    EXPECT_TRUE(in_physical_range(state()));
    EXPECT_EQ(text("Edit_rh"), "0");
    EXPECT_EQ(text("Edit_dos"), "0");
}

// -99999999 ft once put 1.5e14 kPa into Patm, after which the dialog never opened again.
TEST_F(Reliability_Test, SetPatmAlwaysOpensTheDialogWhateverPressureWasApplied) {
    set_patm([](Driver& dialog) {
        dialog.enter_text("edit_ft", "-99999999");
        dialog.tab();
        dialog.click("OKBtn");
        dialog.escape();
    });
    EXPECT_EQ(front_end.take_box_texts(), Names{"Elevation is too low. Please reinput!!"});
    EXPECT_EQ(state().Patm, 101.325f);
    for (const char* kPa : {"1000", "31.198", "101.325"}) {
        SCOPED_TRACE(kPa);
        apply_patm(kPa);
        EXPECT_EQ(front_end.take_box_texts(), Names{});
        EXPECT_EQ(state().Patm, std::stof(kPa));
        std::string shown;
        set_patm([&shown](Driver& dialog) {
            shown = dialog.text("edit_patm");
            dialog.escape();
        });
        EXPECT_EQ(shown, kPa);
        EXPECT_TRUE(take_boxes().empty());
        EXPECT_TRUE(in_physical_range(state()));
    }
    EXPECT_EQ(front_end.pending_responders(), 0u) << "every opening was answered";
}

// A pending efficiency "1-2" on the Pad sheet once stopped the refresh of a new pressure: the
// Outdoor column kept AH 0.0073, H 38.545 and SV 0.8402 of 101.325 kPa. A bad leaf text on the
// VPD sheet did the same.
TEST_F(Reliability_Test, SetPatmWithAPendingBadTextRefreshesTheWholeColumn) {
    const struct {
        const char* sheet;
        const char* bad_field;
        const char* column_letter;
    } cases[] = {{"Pad", "Edit_peff", "p"}, {"VPD", "Edit_vtdb2", "v"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sheet);
        driver.select_page(c.sheet);
        driver.enter_text(c.bad_field, "1-2");
        driver.tab();
        EXPECT_EQ(take_boxes(), Boxes{conversion_box("1-2")});
        apply_patm("90");
        EXPECT_TRUE(take_boxes().empty());
        EXPECT_EQ(state().Patm, 90);
        for (const Row row : {Row::AH, Row::H, Row::SV, Row::DOS})
            EXPECT_EQ(text(std::string("Edit_") + c.column_letter + std::string(row_info(row).tag) + "1"),
                      shown_text(row, state()))
                << row_info(row).tag;
        EXPECT_EQ(text(c.bad_field), "1-2");
        form.get<ui::Edit>(c.bad_field).set_text("");
        leave();
        apply_patm("101.325");
    }
}

}  // namespace
