#include <gtest/gtest.h>

#include <string>

#include "engine/float_env.h"
#include "engine/property.h"
#include "state/entry_chains.h"
#include "state/entry_limits.h"
#include "state/state_steps.h"
#include "tests/state/worked_state.h"

using namespace state;

namespace {

void expect_saturated(const Air_State& s) {
    EXPECT_EQ(s.RH, 100);
    EXPECT_EQ(s.Pw, s.Pws);
    EXPECT_EQ(s.Twb, s.Tdb);
    EXPECT_EQ(s.Tdp, s.Tdb);
    EXPECT_EQ(s.AH, Calc_Property(Kind_AH, s.Patm, s.Pws));
    EXPECT_EQ(s.DOS, 1);
}

void expect_dry(const Air_State& s) {
    EXPECT_EQ(s.RH, 0);
    EXPECT_EQ(s.Pw, 0);
    EXPECT_EQ(s.AH, 0);
    EXPECT_EQ(s.DOS, 0);
    EXPECT_EQ(s.Tdp, Dew_Point(s));
    EXPECT_EQ(s.Twb, Calc_Property(Kind_Twb, s.Tdb, s.Tdp));
    EXPECT_EQ(s.H, Calc_Property(Kind_H, s.Tdb, 0));
    EXPECT_EQ(s.SV, Calc_Property(Kind_SV, s.Patm, s.Tdb, 0));
}

TEST(Hold_Physical_Range_Test, AStateAcrossSaturationIsTheSaturatedOneAcrossZeroDryAir) {
    const Air_State start = standard_state(20, 50);
    const struct {
        const char* name;
        float Air_State::*field;
        float value;
        bool saturated;
    } cases[] = {
        {"Pw above Pws", &Air_State::Pw, 2.34f, true}, {"RH above 100", &Air_State::RH, 100.02f, true},
        {"Pw below 0", &Air_State::Pw, -1e-9f, false}, {"AH below 0", &Air_State::AH, -1e-9f, false},
        {"RH below 0", &Air_State::RH, -0.05f, false}, {"DOS below 0", &Air_State::DOS, -0.0005f, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Air_State state = start;
        state.*c.field = c.value;
        Hold_Physical_Range(state);
        if (c.saturated) expect_saturated(state);
        else expect_dry(state);
        EXPECT_EQ(state.Tdb, 20);
        EXPECT_EQ(state.Pws, start.Pws);
    }
    for (const float RH : {0.0f, Dry_Air_RH, 50.0f, 100.0f}) {
        Air_State state = standard_state(20, RH);
        const Air_State derived = state;
        Hold_Physical_Range(state);
        EXPECT_EQ(fields(state), fields(derived)) << "RH " << RH << " is in range";
    }
}

// The standard chain gives RH 0 (a sheet's column loaded with the text "0") the dew point of
// perfectly dry air; below 0 degC the fit would otherwise raise an invalid operation.
TEST(Hold_Physical_Range_Test, TheStandardChainOfRHZeroIsDryAirWithTheDryAirDewPoint) {
    for (const float Tdb : {20.0f, -5.0f, -24.2f}) {
        const Air_State state = standard_state(Tdb, 0);
        SCOPED_TRACE(Tdb);
        expect_dry(state);
        EXPECT_LT(state.Twb, Tdb);
    }
}

// At the lower limit of H or SV the inverse formula gives a humidity ratio a hair below 0 (Tdb
// 24.76 with H 24.908559799194, Tdb -40 with SV 0.660517275); the entry is perfectly dry air.
TEST(Hold_Physical_Range_Test, AnEnthalpyOrVolumeAtItsLowerLimitIsDryAir) {
    Air_State h_state = standard_state(24.76f, 50);
    ASSERT_EQ(H_Min(h_state), 24.908559799194f);
    Enter_H(h_state, H_Min(h_state));
    expect_dry(h_state);
    EXPECT_EQ(h_state.H, 24.908559799194f);

    Air_State sv_state = standard_state(-40, 50);
    Enter_SV(sv_state, 0.660517275f);
    expect_dry(sv_state);
    EXPECT_EQ(sv_state.SV, 0.660517275f);
}

// A dew point typed at a Tdb loaded from its two-decimal text (21.236 shown as 21.24, Pws as
// 2.524 for 21.236) lies above the loaded Pws: the state is the saturated one.
TEST(Hold_Physical_Range_Test, ADewPointAboveTheLoadedSaturationPressureIsSaturatedAir) {
    Air_State state = standard_state(21.236f, 50);
    state.Tdb = 21.24f;
    state.Pws = 2.524f;
    Enter_Tdp(state, 21.24f, Wet_Entry_Rule::Stored_Tdb);
    expect_saturated(state);
    EXPECT_EQ(state.Pws, 2.524f);
}

// A chain that raises a floating-point error part-way leaves the state as it was: here a
// pressure of 0, where the specific volume divides by zero.
TEST(Whole_Chains, AChainThatFailsPartWayLeavesTheStateAsItWas) {
    Air_State broken = standard_state(20, 50);
    broken.Patm = 0;
    const struct {
        const char* name;
        void (*run)(Air_State&);
    } cases[] = {
        {"standard chain", [](Air_State& s) { Derive_From_Tdb_RH(s); }},
        {"Tdb", [](Air_State& s) { Enter_Tdb(s, 25); }},
        {"RH", [](Air_State& s) { Enter_RH(s, 60); }},
        {"Twb", [](Air_State& s) { Enter_Twb(s, 15, Wet_Entry_Rule::Shown_Tdb); }},
        {"Tdp", [](Air_State& s) { Enter_Tdp(s, 5, Wet_Entry_Rule::Stored_Tdb); }},
        {"AH", [](Air_State& s) { Enter_AH(s, 0.005f); }},
        {"H", [](Air_State& s) { Enter_H(s, 40); }},
        {"SV", [](Air_State& s) { Enter_SV(s, 0.84f); }},
        {"DOS", [](Air_State& s) { Enter_DOS(s, 0.3f); }},
        {"Pw", [](Air_State& s) { Enter_Pw(s, 1); }},
    };
    for (const auto& c : cases) {
        Air_State state = broken;
        EXPECT_THROW(c.run(state), engine::Float_Error) << c.name;
        EXPECT_EQ(fields(state), fields(broken)) << c.name;
    }
}

}  // namespace
