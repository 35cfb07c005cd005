#include "engine/property.h"

#include <cmath>

#include "engine/float_env.h"

// Each kind computes in extended precision. The intermediates that are held
// as 32-bit floats are rounded with to_single where they are formed: moving
// or dropping one of those roundings changes the last bits of the results.
namespace {

using engine::add;
using engine::divide;
using engine::math_exp;
using engine::math_log;
using engine::math_sqrt;
using engine::to_single;

// ln(Pws in Pa) = c1/T + c2 + c3 T + c4 T^2 + c5 T^3 + c6 T^4 + c7 ln T
// (Hyland-Wexler form). The ice c7 is deliberately not the published
// 4.1635019: over ice the pressures lie about 2.2 % above the published ones,
// and Pws steps down between 0 (ice) and 0.01 (water).
struct Pws_Coefficients {
    float c1, c2, c3, c4, c5, c6, c7;
};

constexpr Pws_Coefficients pws_over_ice{
    -5674.5359f, 6.3925247f, -0.009677843f, 6.22157e-7f, 2.0747825e-9f, -9.484024e-13f, 4.1673503f};
constexpr Pws_Coefficients pws_over_water{
    -5800.2206f, 1.3914993f, -0.048640239f, 4.1764768e-5f, -1.4452093e-8f, 0.0f, 6.5459673f};

constexpr long double water_to_dry_air_mass_ratio = 0.62198L;

// Below this difference the two temperatures count as equal (saturated air).
constexpr long double saturation_tolerance = 0.001L;

long double saturation_pressure(float temperature) {
    const Pws_Coefficients& c = temperature > 0 ? pws_over_water : pws_over_ice;
    const long double t = to_single(temperature + 273.15L);
    // The division comes first so that T = 0 raises before ln T reports.
    const long double inverse_term = divide(c.c1, t);
    const long double ln_pressure = to_single(inverse_term + c.c2 + c.c3 * t + c.c4 * t * t + c.c5 * t * t * t +
                                              c.c6 * t * t * t * t + c.c7 * math_log(t));
    return math_exp(ln_pressure) * 0.001L;
}

long double heat_of_vaporization(float temperature) { return 2501.0L - 2.42L * temperature; }

long double vapour_pressure_from_rh(float pws, float rh) { return static_cast<long double>(pws) * rh * 0.01L; }

long double vapour_pressure_from_ah(float patm, float ah) {
    // The divisor cannot vanish: no float is exactly -0.62198.
    return static_cast<long double>(patm) * ah / (water_to_dry_air_mass_ratio + ah);
}

long double degree_of_saturation(float patm, float pws, float pw) {
    const long double saturation_ratio = divide(pw, pws);
    const long double dos = divide(saturation_ratio * (static_cast<long double>(patm) - pws),
                                   static_cast<long double>(patm) - pw);
    return dos > 100 ? 100 : dos;
}

long double humidity_ratio(float patm, float pw) {
    return divide(water_to_dry_air_mass_ratio * pw, static_cast<long double>(patm) - pw);
}

long double dew_point(float dry_bulb, float pw) {
    const long double a = to_single(math_log(1000.0L * pw));
    // The fit is chosen by the dry bulb, not by the sign of the dew point.
    const long double fit = dry_bulb >= 0 ? add(-35.957L - 1.8726L * a, 1.1689L * a * a)
                                          : add(7.0322L * a - 60.45L, 0.37L * a * a);
    return fit > dry_bulb ? dry_bulb : fit;
}

long double enthalpy(float temperature, float ah) {
    return 1.006L * temperature + ah * (2501.0L + 1.805L * temperature);
}

long double specific_volume(float patm, float temperature, float ah) {
    const long double pressure_pa = to_single(1000.0L * patm);
    const long double kelvin = to_single(temperature + 273.15L);
    return divide(1.0L, pressure_pa) * 287.05518L * kelvin * (1.6078L * ah + 1);
}

long double wet_bulb(float dry_bulb, float dew_point_temperature) {
    if (std::fabs(static_cast<long double>(dry_bulb) - dew_point_temperature) < saturation_tolerance) {
        return dry_bulb;
    }
    const long double t = dry_bulb;
    const long double d = dew_point_temperature;
    // The denominators have no real root, so every dry bulb is allowed.
    const float f1 = to_single((0.41963667f + 0.007711576f * t + 0.00023861f * t * t) /
                               (1 + 0.02743685f * t + 0.001536155f * t * t));
    const float f2 = to_single(0.011569f + 0.6134239f * t - 0.00643928f * t * t + 7.52158e-5f * t * t * t -
                               4.5287e-7f * t * t * t * t);
    const float f3 = to_single((0.011146403f + 0.000255119f * t + 7.1215e-6f * t * t) /
                               (1 + 0.027956529f * t + 0.002122386f * t * t));
    const float f4 = to_single((9.65426e-5f + 7.15163e-7f * t) / (1 - 0.00292091f * t + 0.001201577f * t * t));
    float twb = to_single(f1 * d + f2 + f3 * d * d + f4 * d * d * d);
    if (twb > dry_bulb) {
        twb = dry_bulb;
    }
    if (twb < dew_point_temperature) {
        twb = dew_point_temperature;
    }
    return twb;
}

long double rh_from_wet_bulb(float dry_bulb, float wet_bulb_temperature) {
    if (std::fabs(static_cast<long double>(dry_bulb) - wet_bulb_temperature) < saturation_tolerance) {
        return 100;
    }
    const long double t = dry_bulb;
    const long double w = wet_bulb_temperature;
    const long double t2 = t * t;
    // The division by t comes first so that t = 0 raises before ln t reports.
    const long double over_t = divide(3243.72695L, t);
    const long double ln_t = math_log(t);
    const long double sqrt_t = math_sqrt(t);
    const float g1 = to_single(6.5283207L - over_t + divide(27478.51412L * ln_t, t2) - divide(31804.835L, t2));
    const float g2 = to_single(divide(45.725691L, sqrt_t) - 5.7823757L + 0.00014449003L * t2 * sqrt_t -
                               1.2648953e-5L * t2 * t);
    const float g3 = to_single(1.6161997L * sqrt_t - 1.8793625L - 0.034446164L * t - 0.51282028L * ln_t * ln_t);
    const float g4 = to_single(0.0018867775L - 2.0696545e-7L * t2 * sqrt_t + 2.0593745e-8L * t2 * t -
                               59.002463L * math_exp(-t));
    float rh = to_single(g2 * w + g1 + g3 * w * w + g4 * w * w * w);
    if (rh < 0) {
        rh = 0;
    }
    if (rh > 100) {
        rh = 100;
    }
    return rh;
}

long double temperature_humidity_index(float dry_bulb, float dew_point_temperature) {
    return dry_bulb + 0.36L * dew_point_temperature + 41.2L;
}

long double property_value(Property_Kind kind, float x1, float x2, float x3) {
    switch (kind) {
        case Kind_Pws: return saturation_pressure(x1);
        case Kind_Hfg: return heat_of_vaporization(x1);
        case Kind_Pw_RH: return vapour_pressure_from_rh(x1, x2);
        case Kind_Pw_AH: return vapour_pressure_from_ah(x1, x2);
        case Kind_DOS: return degree_of_saturation(x1, x2, x3);
        case Kind_AH: return humidity_ratio(x1, x2);
        case Kind_Tdp: return dew_point(x1, x2);
        case Kind_H: return enthalpy(x1, x2);
        case Kind_SV: return specific_volume(x1, x2, x3);
        case Kind_Twb: return wet_bulb(x1, x2);
        case Kind_RH_Twb: return rh_from_wet_bulb(x1, x2);
        case Kind_THI: return temperature_humidity_index(x1, x2);
    }
    return 0;
}

}  // namespace

float Calc_Property(Property_Kind kind, float x1, float x2, float x3) {
    return to_single(property_value(kind, x1, x2, x3));
}
