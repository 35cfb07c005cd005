#include "state/evaporative_pad.h"

#include <gtest/gtest.h>

#include <optional>

#include "engine/property.h"
#include "tests/state/worked_state.h"

using state::After_Pad_State;
using state::After_Pad_Tdb;
using state::Air_State;
using state::Pad_Efficiency;

namespace {

// Outdoor air at 30 degC and 50 %: Twb 21.84, H 64.191.
const Air_State Outdoor = standard_state(30, 50);

// Cooling along constant enthalpy is cooling at (nearly) constant wet bulb: the after-pad air
// keeps the outdoor H to the bit and gains the moisture the sensible heat evaporates.
TEST(Evaporative_Pad, TheAfterPadAirKeepsTheOutdoorEnthalpyAndWetBulb) {
    for (const float efficiency : {0.0f, 25.0f, 61.25f, 90.0f}) {
        SCOPED_TRACE(efficiency);
        const std::optional<float> Tdb = After_Pad_Tdb(Outdoor, efficiency);
        ASSERT_TRUE(Tdb);
        const Air_State after = After_Pad_State(Outdoor, *Tdb);
        EXPECT_EQ(after.Tdb, *Tdb);
        EXPECT_EQ(after.Patm, Outdoor.Patm);
        EXPECT_EQ(after.H, Outdoor.H);
        EXPECT_EQ(after.Pws, Calc_Property(Kind_Pws, *Tdb));
        EXPECT_NEAR(after.Twb, Outdoor.Twb, 0.2);
        EXPECT_GE(after.AH, Outdoor.AH - 1e-7f) << "more humid (at 0 %: to the rounding of the inverse of H)";
        EXPECT_LT(after.RH, 100);
        EXPECT_NEAR(Pad_Efficiency(Outdoor, *Tdb), efficiency, 0.01);
    }
    // 30 - 0.9 x (30 - 21.84) = 22.66; by the engine RH 93.96, Twb 21.97, Tdp 21.5.
    const Air_State after = After_Pad_State(Outdoor, *After_Pad_Tdb(Outdoor, 90));
    EXPECT_NEAR(after.Tdb, 22.656f, 0.005);
    EXPECT_NEAR(after.RH, 93.96f, 0.005);
    EXPECT_NEAR(after.Tdp, 21.5f, 0.005);
}

// The constant-enthalpy line crosses the saturation curve a little above the outdoor Twb (near
// 21.92 degC): below the crossing the air is saturated with the outdoor Twb as wet bulb and dew point.
TEST(Evaporative_Pad, BeyondTheSaturationCurveTheAirIsSaturatedAtTheOutdoorWetBulb) {
    for (const float Tdb : {Outdoor.Twb, 21.9f}) {
        SCOPED_TRACE(Tdb);
        const Air_State after = After_Pad_State(Outdoor, Tdb);
        EXPECT_EQ(after.RH, 100);
        EXPECT_EQ(after.Pw, after.Pws);
        EXPECT_EQ(after.Twb, Outdoor.Twb);
        EXPECT_EQ(after.Tdp, Outdoor.Twb);
        EXPECT_EQ(after.H, Outdoor.H);
    }
    EXPECT_LT(After_Pad_State(Outdoor, 21.95f).RH, 100);
}

TEST(Evaporative_Pad, AnEfficiencyBeyondZeroToHundredGivesNoAfterPadTdb) {
    const struct {
        float efficiency;
        std::optional<float> Tdb;
    } cases[] = {
        {0, Outdoor.Tdb}, {100, Outdoor.Twb}, {100.01f, std::nullopt}, {150, std::nullopt}, {-1, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(After_Pad_Tdb(Outdoor, c.efficiency), c.Tdb) << c.efficiency;
}

TEST(Evaporative_Pad, SaturatedOutdoorAirLeavesAsItCameAtNoEfficiency) {
    const Air_State saturated = standard_state(30, 100);
    ASSERT_EQ(saturated.Twb, saturated.Tdb);
    EXPECT_EQ(fields(After_Pad_State(saturated, 25)), fields(saturated));
    EXPECT_EQ(Pad_Efficiency(saturated, 30), 0);
}

// The inverse of the enthalpy leaves the humidity ratio of dry air a hair off 0; the after-pad air
// stays in the physical range.
TEST(Evaporative_Pad, DryOutdoorAirGivesAnAfterPadStateInThePhysicalRange) {
    for (const float outdoor_Tdb : {-10.0f, 20.0f, 24.76f, 45.0f}) {
        const Air_State dry = standard_state(outdoor_Tdb, 0);
        for (const float efficiency : {0.0f, 50.0f, 100.0f}) {
            SCOPED_TRACE(testing::Message() << outdoor_Tdb << " degC, " << efficiency << " %");
            const Air_State after = After_Pad_State(dry, *After_Pad_Tdb(dry, efficiency));
            EXPECT_GE(after.RH, 0);
            EXPECT_GE(after.Pw, 0);
            EXPECT_GE(after.AH, 0);
            EXPECT_GE(after.DOS, 0);
            EXPECT_LE(after.Pw, after.Pws);
        }
    }
}

}  // namespace
