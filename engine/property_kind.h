#pragma once

#include <cstdint>

// The property of moist air that Calc_Property computes. The gaps (0, 5, 13)
// are reserved values that name no computation.
enum Property_Kind : std::uint32_t {
    Kind_Pws = 1,      // saturation vapour pressure (x1 temperature), kPa
    Kind_Hfg = 2,      // heat of vaporization (x1 temperature), kJ/kg
    Kind_Pw_RH = 3,    // vapour pressure (x1 Pws kPa, x2 RH %), kPa
    Kind_Pw_AH = 4,    // vapour pressure (x1 Patm kPa, x2 AH kg/kg), kPa
    Kind_DOS = 6,      // degree of saturation (x1 Patm, x2 Pws, x3 Pw, kPa), fraction
    Kind_AH = 7,       // humidity ratio (x1 Patm kPa, x2 Pw kPa), kg/kg dry air
    Kind_Tdp = 8,      // dew point (x1 dry bulb, x2 Pw kPa), degree C
    Kind_H = 9,        // enthalpy (x1 temperature, x2 AH kg/kg), kJ/kg dry air
    Kind_SV = 10,      // specific volume (x1 Patm kPa, x2 temperature, x3 AH), m3/kg dry air
    Kind_Twb = 11,     // wet bulb (x1 dry bulb, x2 dew point), degree C
    Kind_RH_Twb = 12,  // relative humidity (x1 dry bulb, x2 wet bulb), %
    Kind_THI = 14,     // temperature-humidity index (x1 dry bulb, x2 dew point)
};
