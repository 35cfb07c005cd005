#include "state/leaf_state.h"

#include <gtest/gtest.h>

#include "engine/property.h"
#include "state/entry_limits.h"
#include "tests/state/worked_state.h"

using state::Air_State;
using state::Has_Saturation_Pressure;
using state::Leaf_State;
using state::Saturation_AH;
using state::Vapour_Pressure_Deficit;

namespace {

// At 30 degC: Pws 4.246 kPa (steam tables 4.247), AH = 0.62198 x 4.246 / (101.325 - 4.246) = 0.0272.
TEST(Leaf_State, ALeafIsSaturatedAirAtItsTemperature) {
    for (const float Tleaf : {-40.0f, -5.0f, 20.0f, 30.0f, 70.0f}) {
        SCOPED_TRACE(Tleaf);
        const Air_State leaf = Leaf_State(Standard_Patm, Tleaf);
        EXPECT_EQ(leaf.Patm, Standard_Patm);
        EXPECT_EQ(leaf.Tdb, Tleaf);
        EXPECT_EQ(leaf.RH, 100);
        EXPECT_EQ(leaf.Pws, Calc_Property(Kind_Pws, Tleaf));
        EXPECT_EQ(leaf.Pw, leaf.Pws);
        EXPECT_EQ(leaf.Twb, Tleaf);
        EXPECT_EQ(leaf.Tdp, Tleaf);
        EXPECT_EQ(leaf.AH, Saturation_AH(Standard_Patm, Tleaf));
        EXPECT_EQ(leaf.DOS, 1);
        EXPECT_EQ(leaf.H, Calc_Property(Kind_H, Tleaf, leaf.AH));
    }
    const Air_State leaf = Leaf_State(Standard_Patm, 30);
    EXPECT_NEAR(leaf.Pws, 4.246f, 0.0005);
    EXPECT_NEAR(leaf.AH, 0.0272f, 0.00005);
}

// The air of the worked state at 20 degC has Pw 1.1694 of Pws 2.3388.
TEST(Leaf_State, TheDeficitIsTheLeafSaturationPressureLessTheAirVapourPressure) {
    const struct {
        float Tleaf;
        float deficit;
    } cases[] = {
        {20, 1.1694f},         // the air's own temperature: Pws - Pw
        {30, 3.0766f},         // 4.2460 - 1.1694
        {10, 0.0586f},         // 1.2280 - 1.1694
        {-273.15f, -1.1694f},  // no vapour at all just above absolute zero
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(Vapour_Pressure_Deficit(c.Tleaf, Worked_20.Pw), c.deficit, 0.0002) << c.Tleaf;
    }
}

TEST(Leaf_State, OnlyTemperaturesAboveAbsoluteZeroHaveASaturationPressure) {
    const struct {
        float T;
        bool has;
    } cases[] = {{70, true}, {-40, true}, {-273.15f, true}, {-273.16f, false}, {-500, false}};
    for (const auto& c : cases) EXPECT_EQ(Has_Saturation_Pressure(c.T), c.has) << c.T;
}

}  // namespace
