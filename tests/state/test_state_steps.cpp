#include "state/state_steps.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/property.h"
#include "tests/state/worked_state.h"

using state::Air_State;
using state::Dew_Point;
using state::Dry_Air_RH;
using state::RH_From_Twb;
using state::Run_Steps;
using state::State_Step;

namespace {

TEST(Standard_Chain, DerivesTheWorkedStatesFromTdbAndRH) {
    expect_worked(standard_state(20, 50), Worked_20);
    expect_worked(standard_state(-10, 50), Worked_Minus_10);
}

// Each step rewrites its one field of the worked state at 20 degC from the others; the inverse
// steps give back the field they invert to the worked digits.
TEST(State_Steps, EachStoresItsFieldFromTheStoredOnes) {
    const struct {
        const char* name;
        State_Step run;
        float Air_State::*field;
        float expected;
    } cases[] = {
        {"Pws_From_Tdb", state::step::Pws_From_Tdb, &Air_State::Pws, 2.3388f},
        {"Pw_From_RH", state::step::Pw_From_RH, &Air_State::Pw, 1.1694f},
        {"Pw_From_AH", state::step::Pw_From_AH, &Air_State::Pw, 1.1694f},
        {"RH_From_Pw", state::step::RH_From_Pw, &Air_State::RH, 50},
        {"RH_From_Twb", state::step::RH_From_Twb, &Air_State::RH, 49.338f},  // the fits are no exact inverses
        {"AH_From_Pw", state::step::AH_From_Pw, &Air_State::AH, 0.0072621f},
        {"AH_From_H", state::step::AH_From_H, &Air_State::AH, 0.0072621f},
        {"AH_From_SV", state::step::AH_From_SV, &Air_State::AH, 0.0072621f},
        {"AH_From_DOS", state::step::AH_From_DOS, &Air_State::AH, 0.0072621f},
        {"Tdp_From_Pw", state::step::Tdp_From_Pw, &Air_State::Tdp, 9.1468f},
        {"Twb_From_Tdp", state::step::Twb_From_Tdp, &Air_State::Twb, 13.787f},
        {"SV_From_AH", state::step::SV_From_AH, &Air_State::SV, 0.84020f},
        {"Hfg_From_Tdb", state::step::Hfg_From_Tdb, &Air_State::Hfg, 2452.6f},
        {"DOS_From_Pw", state::step::DOS_From_Pw, &Air_State::DOS, 0.49416f},
        {"H_From_AH", state::step::H_From_AH, &Air_State::H, 38.545f},
    };
    const Air_State worked = standard_state(20, 50);
    for (const auto& c : cases) {
        Air_State state = worked;
        state.*c.field = -1;
        c.run(state);
        EXPECT_NEAR(state.*c.field, c.expected, five_digits(c.expected)) << c.name;
        Air_State others = state;
        others.*c.field = worked.*c.field;
        EXPECT_EQ(fields(others), fields(worked)) << c.name << " wrote another field";
    }
}

TEST(State_Steps, TheVapourPressureOfADewPointIsItsSaturationPressure) {
    Air_State state = standard_state(20, 50);
    state.Tdp = 70;
    state::step::Pw_From_Tdp(state);
    EXPECT_NEAR(state.Pw, 31.198f, five_digits(31.198f));
    state.Tdp = -40;
    state::step::Pw_From_Tdp(state);
    EXPECT_NEAR(state.Pw, 0.013118f, five_digits(0.013118f));
}

TEST(State_Steps, RunInTheOrderGiven) {
    Air_State state = standard_state(20, 50);
    state.Tdb = -10;
    Run_Steps(state, {state::step::Pws_From_Tdb, state::step::Pw_From_RH, state::step::Tdp_From_Pw,
                      state::step::Twb_From_Tdp});
    EXPECT_NEAR(state.Pw, 0.13277f, five_digits(0.13277f));
    EXPECT_NEAR(state.Twb, -11.461f, five_digits(-11.461f));
}

// Below the vapour pressure of RH 0.001 % the fit of the dew point means nothing; it is taken at
// that one, and the stored Pw stays.
TEST(Dew_Point_Test, PerfectlyDryAirTakesTheDewPointOfTheDriestRH) {
    for (const float Tdb : {20.0f, 0.0f, -5.0f, -40.0f}) {
        Air_State state = standard_state(Tdb, 50);
        const float driest_dew_point = Calc_Property(Kind_Tdp, Tdb, Calc_Property(Kind_Pw_RH, state.Pws, Dry_Air_RH));
        for (const float Pw : {0.0f, -1e-9f, 1e-12f}) {
            state.Pw = Pw;
            EXPECT_EQ(Dew_Point(state), driest_dew_point) << Tdb << " / " << Pw;
            state::step::Tdp_From_Pw(state);
            EXPECT_EQ(state.Pw, Pw);
        }
        state.Pw = state.Pws / 2;
        EXPECT_EQ(Dew_Point(state), Calc_Property(Kind_Tdp, Tdb, state.Pw)) << Tdb;
    }
}

float wet_bulb_of_rh(const Air_State& state, float RH) {
    const float Pw = Calc_Property(Kind_Pw_RH, state.Pws, RH);
    return Calc_Property(Kind_Twb, state.Tdb, Calc_Property(Kind_Tdp, state.Tdb, Pw));
}

TEST(RH_From_Twb_Test, AboveZeroTheFitAtZeroAndBelowTheRHWhoseWetBulbItIs) {
    EXPECT_NEAR(RH_From_Twb(standard_state(30, 50), 25), 67.032f, five_digits(67.032f));
    const Air_State worked = standard_state(20, 50);
    EXPECT_NEAR(RH_From_Twb(worked, worked.Twb), 49.338f, five_digits(49.338f));
    EXPECT_EQ(RH_From_Twb(standard_state(20, 50), 20), 100);
    for (const float Tdb : {0.0f, -10.0f}) {
        const Air_State state = standard_state(Tdb, 50);
        const float RH = RH_From_Twb(state, state.Twb);
        EXPECT_NEAR(RH, 50, 0.01f) << Tdb;
        EXPECT_NEAR(wet_bulb_of_rh(state, RH), state.Twb, 2e-5f) << Tdb;
    }
}

// Between 0 and about 8.5 degC the fit falls below 0 for most wet bulbs; the air whose wet bulb
// is typed is found as below 0 degC.
TEST(RH_From_Twb_Test, WhereTheFitGivesNoHumidityAboveZeroTheRHWhoseWetBulbItIs) {
    const struct { float Tdb, Twb; } cases[] = {{5, 3}, {0.5f, 0}, {4, 2}, {2, 1}};
    for (const auto& c : cases) {
        const Air_State state = standard_state(c.Tdb, 50);
        ASSERT_EQ(Calc_Property(Kind_RH_Twb, c.Tdb, c.Twb), 0) << c.Tdb << " / " << c.Twb;
        const float RH = RH_From_Twb(state, c.Twb);
        EXPECT_GT(RH, 0) << c.Tdb << " / " << c.Twb;
        EXPECT_NEAR(wet_bulb_of_rh(state, RH), c.Twb, 2e-5f) << c.Tdb << " / " << c.Twb;
    }
    EXPECT_NEAR(RH_From_Twb(standard_state(5, 50), 3), 70.3f, 0.05f);
}

// Below 9 degC the fit is not asked at all (at a dry bulb a hair above 0 it would divide by it), and
// above it where its air misses the typed wet bulb by 1 K or more the search gives the air of that
// wet bulb. Where the fit's air is close enough, the fit's RH stands.
TEST(RH_From_Twb_Test, TheFitStandsOnlyFrom9DegCAndWhereItsAirHasTheTypedWetBulb) {
    const struct {
        float Tdb, Twb;
        bool fitted;
    } cases[] = {{6, 5, false},   {7, 6, false},  {8, 3, false}, {1e-21f, -1, false}, {1e-40f, -1, false},
                 {70, 69, false}, {30, 25, true}, {10, 8, true}, {40, 30, true}};
    for (const auto& c : cases) {
        const Air_State state = standard_state(c.Tdb, 50);
        const float RH = RH_From_Twb(state, c.Twb);
        if (c.fitted) EXPECT_EQ(RH, Calc_Property(Kind_RH_Twb, c.Tdb, c.Twb)) << c.Tdb << " / " << c.Twb;
        else EXPECT_NEAR(wet_bulb_of_rh(state, RH), c.Twb, 2e-5f) << c.Tdb << " / " << c.Twb;
    }
    EXPECT_NEAR(RH_From_Twb(standard_state(6, 50), 5), 84.37f, 0.005f);
    EXPECT_NEAR(RH_From_Twb(standard_state(70, 50), 69), 91.37f, 0.005f);
}

// The fits put the wet bulb of saturated air a little off its dry bulb below 0 degC; a wet bulb
// typed as the dry bulb is still saturated air, not the nearest end of a search.
TEST(RH_From_Twb_Test, AWetBulbAtTheDryBulbIsSaturatedAtAndBelowZero) {
    for (const float Tdb : {0.0f, -0.5f, -10.0f, -20.0f, -30.0f, -40.0f})
        EXPECT_EQ(RH_From_Twb(standard_state(Tdb, 50), Tdb), 100) << Tdb;
}

}  // namespace
