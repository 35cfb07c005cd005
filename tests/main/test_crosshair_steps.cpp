#include <cmath>
#include <string>

#include "engine/property.h"
#include "tests/main/main_window_test.h"

using state::Derive_From_Tdb_RH;

namespace {

class Crosshair_Steps_Test : public Main_Window_Test {
protected:
    Crosshair_Steps_Test() { form.show(); }

    // A state as a typed Tdb and RH would give it, shown and drawn.
    void set_state(float Tdb, float RH) {
        forced_state().Tdb = Tdb;
        forced_state().RH = RH;
        Derive_From_Tdb_RH(forced_state());
        application.dispatch([this] { form.Show_State(); });
    }
    void set_step(int pixels) { driver.move_track_bar("MoveBar", pixels); }
    std::string crosshair() const { return driver.get<ui::Status_Bar>("StatusBar1").panel_text(0); }
    void expect_saturated() const {
        EXPECT_EQ(state().RH, 100);
        EXPECT_EQ(state().Pw, state().Pws);
        EXPECT_EQ(state().Twb, state().Tdb);
        EXPECT_EQ(state().Tdp, state().Tdb);
    }
};

constexpr float Start_H = 38.544754f;  // the start state, Tdb 20 and RH 50

// From the start state on the start axis (X_Scale 27.5) with the start step of 2 pixels; values
// from a hand calculation: 2 / 27.5 = 0.0727 degree C, 2 / Y_Scale = 0.000113 kg/kg.
TEST_F(Crosshair_Steps_Test, EachButtonMovesTheStartStateAlongItsLine) {
    const struct {
        const char* button;
        float Tdb, RH, AH, H;
        const char* crosshair;
        const char* tdb_text;
    } steps[] = {
        {"Btn_up", 20, 50.771278f, 0.0073754829f, 38.832336f, "Crosshair: Tdb:20.00 ,RH:50.77", "20"},
        {"Btn_down", 20, 49.228447f, 0.0071487818f, 38.257175f, "Crosshair: Tdb:20.00 ,RH:49.23", "20"},
        {"Btn_left", 19.927273f, 50.225815f, 0.0072621321f, 38.470638f, "Crosshair: Tdb:19.93 ,RH:50.23", "19.93"},
        {"Btn_right", 20.072727f, 49.775349f, 0.0072621321f, 38.618874f, "Crosshair: Tdb:20.07 ,RH:49.78", "20.07"},
        {"Btn_rh_up", 20.072727f, 50, 0.0072952928f, 38.703007f, "Crosshair: Tdb:20.07 ,RH:50.00", "20.07"},
        {"Btn_rh_down", 19.927273f, 50, 0.0072291023f, 38.386845f, "Crosshair: Tdb:19.93 ,RH:50.00", "19.93"},
        {"Btn_h_up", 19.927273f, 50.425522f, 0.0072913463f, Start_H, "Crosshair: Tdb:19.93 ,RH:50.43", "19.93"},
        {"Btn_h_down", 20.072727f, 49.577427f, 0.0072329198f, Start_H, "Crosshair: Tdb:20.07 ,RH:49.58", "20.07"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.button);
        set_state(20, 50);
        ASSERT_EQ(state().H, Start_H);
        ASSERT_EQ(chart().Tmin_Index, 50);
        driver.get<ui::Image>("Chart_Image").canvas().clear();
        driver.click(step.button);
        EXPECT_FLOAT_EQ(state().Tdb, step.Tdb);
        EXPECT_NEAR(state().RH, step.RH, 1e-4);
        EXPECT_FLOAT_EQ(state().AH, step.AH);
        EXPECT_FLOAT_EQ(state().H, step.H);
        EXPECT_EQ(crosshair(), step.crosshair);
        EXPECT_EQ(text("Edit_tdb"), step.tdb_text);
        EXPECT_FALSE(driver.get<ui::Image>("Chart_Image").canvas().ops().empty()) << "Show_State redraws";
    }
    EXPECT_TRUE(front_end.boxes.empty());
}

// A rightward step stops at 30 degree C only when its truncated end pixel lies beyond 550.
TEST_F(Crosshair_Steps_Test, RightwardStepsStopAtTheRightEdge) {
    const struct {
        const char* button;
        float from, to;
    } steps[] = {
        {"Btn_right", 30, 30},
        {"Btn_rh_up", 30, 30},
        {"Btn_h_down", 30, 30},
        {"Btn_right", 29.95f, 30.022727f},  // end pixel 550.6: not beyond
        {"Btn_right", 20.01f, 20.082727f},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.button) + " from " + std::to_string(step.from));
        set_state(step.from, 50);
        driver.click(step.button);
        EXPECT_FLOAT_EQ(state().Tdb, step.to);
        EXPECT_EQ(state().Pws, Calc_Property(Kind_Pws, state().Tdb));
    }
}

// The bottom axis, and an enthalpy line that reaches it within the step, give the driest state
// at the step's temperature, fully derived.
TEST_F(Crosshair_Steps_Test, StepsDownToTheBottomAxisGiveTheDriestState) {
    const struct {
        const char* button;
        int step;
        float Tdb;
        const char* crosshair;
    } steps[] = {
        {"Btn_down", 2, 20, "Crosshair: Tdb:20.00 ,RH:0.00"},  // 1.3 pixels above the axis
        {"Btn_down", 10, 20, "Crosshair: Tdb:20.00 ,RH:0.00"},
        {"Btn_h_down", 10, 20.363636f, "Crosshair: Tdb:20.36 ,RH:0.00"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.button) + " by " + std::to_string(step.step));
        set_state(20, 0.5f);
        set_step(step.step);
        driver.click(step.button);
        EXPECT_FLOAT_EQ(state().Tdb, step.Tdb);
        EXPECT_EQ(state().RH, 0.001f);
        EXPECT_EQ(state().Pw, 0.0001f);
        EXPECT_EQ(state().H, Calc_Property(Kind_H, state().Tdb, state().AH));
        EXPECT_EQ(crosshair(), step.crosshair);
    }
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(Crosshair_Steps_Test, LeftwardStepsStopAtMinusForty) {
    for (const char* button : {"Btn_left", "Btn_rh_down", "Btn_h_up"}) {
        SCOPED_TRACE(button);
        set_state(-39.95f, 50);
        ASSERT_EQ(chart().Tmin_Index, 0);
        set_step(10);
        for (int click = 0; click < 3; ++click) {
            driver.click(button);
            EXPECT_EQ(state().Tdb, -40);
            EXPECT_TRUE(std::isfinite(state().Tdp) && std::isfinite(state().Twb));
            EXPECT_EQ(crosshair().rfind("Crosshair: Tdb:-40.00 ,RH:", 0), 0u);
        }
    }
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(Crosshair_Steps_Test, StepsAboveTheSaturationCurveEndOnIt) {
    const struct {
        const char* button;
        float RH;
        float Tdb;
    } steps[] = {
        {"Btn_up", 100, 20},
        {"Btn_left", 99.9f, 19.927273f},  // the drier air reaches saturation within one step
        {"Btn_rh_up", 100, 20.072727f},
        {"Btn_rh_down", 100, 19.927273f},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.button);
        set_state(20, step.RH);
        driver.click(step.button);
        EXPECT_FLOAT_EQ(state().Tdb, step.Tdb);
        expect_saturated();
    }
}

TEST_F(Crosshair_Steps_Test, EnthalpyUpStopsAtTheWetBulbOfItsLineKeepingTheEnthalpy) {
    set_state(20, 99);
    const float H = state().H;
    for (int click = 0; click < 10 && state().RH != 100; ++click) {
        const float Twb = state().Twb;
        driver.click("Btn_h_up");
        EXPECT_EQ(state().H, H);
        if (state().RH == 100) {
            EXPECT_EQ(state().Tdb, Twb);
        }
    }
    expect_saturated();
}

TEST_F(Crosshair_Steps_Test, RepeatedEnthalpyStepsKeepTheEnthalpy) {
    for (int click = 0; click < 5; ++click) driver.click("Btn_h_down");
    EXPECT_NEAR(state().Tdb, 20.363636, 1e-5);
    EXPECT_LT(state().AH, 0.0072f);
    EXPECT_EQ(state().H, Start_H);
    for (int click = 0; click < 8; ++click) driver.click("Btn_h_up");
    EXPECT_LT(state().Tdb, 19.8f);
    EXPECT_GT(state().RH, 50);
    EXPECT_EQ(state().H, Start_H);
}

TEST_F(Crosshair_Steps_Test, StepsLeaveTheProcessDifferencesAlone) {
    for (ui::Edit* difference : Col_two_diff.edits) difference->set_text("1.5");
    for (const char* button :
         {"Btn_up", "Btn_down", "Btn_left", "Btn_right", "Btn_rh_up", "Btn_rh_down", "Btn_h_up", "Btn_h_down"})
        driver.click(button);
    for (const ui::Edit* difference : Col_two_diff.edits) EXPECT_EQ(difference->text(), "1.5");
}

}  // namespace
