#include <gtest/gtest.h>

#include "dialogs/pressure_conversions.h"

using dialogs::Calc_Elevation;
using dialogs::Calc_Patm;

namespace {

// The fits' own check values, finer than the dialog's masks show them.
TEST(Pressure_Fits, GiveTheirCheckValues) {
    const struct {
        const char* name;
        float (*fit)(float);
        float argument;
        float expected;
        float tolerance;
    } cases[] = {
        {"0 m", Calc_Patm, 0, 101.3251f, 0.00005f},
        {"1000 m", Calc_Patm, 1000, 89.874f, 0.0005f},
        {"5000 m", Calc_Patm, 5000, 54.02f, 0.0005f},
        {"8000 m", Calc_Patm, 8000, 35.61f, 0.0005f},
        {"101.325 kPa", Calc_Elevation, 101.325f, 0.03f, 0.005f},
        {"90 kPa", Calc_Elevation, 90, 988.47f, 0.005f},
        {"35.61 kPa", Calc_Elevation, 35.61f, 7968.3f, 0.05f},
    };
    for (const auto& c : cases) EXPECT_NEAR(c.fit(c.argument), c.expected, c.tolerance) << c.name;
}

}  // namespace
