#include <gtest/gtest.h>

#include "engine/physical_constants.h"

namespace {

// The state's inverse formulas and the entry limits compute on the double of each constant, the
// property formulas on its long double: both must be the decimal value the constant names. A
// literal edited in one precision only (or a digit dropped) changes the computed bits of one side.
TEST(Physical_Constants, EachConstantIsItsDecimalValueInDoubleAndInLongDouble) {
    struct Case {
        const char* name;
        long double constant;
        double as_double;
        long double as_long_double;
    };
    const Case cases[] = {
        {"kelvin_offset", engine::kelvin_offset, 273.15, 273.15L},
        {"dry_air_specific_heat", engine::dry_air_specific_heat, 1.006, 1.006L},
        {"vapour_specific_heat", engine::vapour_specific_heat, 1.805, 1.805L},
        {"latent_heat_at_0", engine::latent_heat_at_0, 2501.0, 2501.0L},
        {"latent_heat_slope", engine::latent_heat_slope, 2.42, 2.42L},
        {"dry_air_gas_constant", engine::dry_air_gas_constant, 287.05518, 287.05518L},
        {"water_to_dry_air_mass_ratio", engine::water_to_dry_air_mass_ratio, 0.62198, 0.62198L},
        {"vapour_volume_factor", engine::vapour_volume_factor, 1.6078, 1.6078L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.constant, c.as_long_double);
        EXPECT_EQ(engine::as_double(c.constant), c.as_double);
    }
}

}  // namespace
