#pragma once

#include <cmath>

#include "engine/float_env.h"
#include "engine/physical_constants.h"
#include "engine/property_kind.h"

// The formula of each property kind, computed in Real (double for the
// program). The intermediates that are held as 32-bit floats are rounded to a
// float where they are formed: moving or dropping one of those roundings
// changes the last bits of the results. Constants are written in long double
// (engine/physical_constants.h) and taken at Real's precision.
namespace engine {

namespace formula {

// ln(Pws in Pa) = c1/T + c2 + c3 T + c4 T^2 + c5 T^3 + c6 T^4 + c7 ln T
// (Hyland-Wexler form). The ice c7 is deliberately not the published
// 4.1635019: over ice the pressures lie about 2.2 % above the published ones,
// and Pws steps down between 0 (ice) and 0.01 (water).
struct Pws_Coefficients {
    float c1, c2, c3, c4, c5, c6, c7;
};

inline constexpr Pws_Coefficients pws_over_ice{-5674.5359f,   6.3925247f,     -0.009677843f, 6.22157e-7f,
                                               2.0747825e-9f, -9.484024e-13f, 4.1673503f};
inline constexpr Pws_Coefficients pws_over_water{-5800.2206f,    1.3914993f, -0.048640239f, 4.1764768e-5f,
                                                 -1.4452093e-8f, 0.0f,       6.5459673f};

// Below this difference the two temperatures count as equal (saturated air).
inline constexpr long double saturation_tolerance = 0.001L;

// x + 273.15 rounded to a float. The sum cannot leave the float range: 273.15
// is far below half a unit in the last place of FLT_MAX, in double as in long
// double, so the rounding needs no overflow check.
template <typename Real>
float kelvin_single(float celsius) {
    return static_cast<float>(celsius + Real(kelvin_offset));
}

template <typename Real>
Real saturation_pressure(float temperature) {
    using R = Real;
    const Pws_Coefficients& c = temperature > 0 ? pws_over_water : pws_over_ice;
    const R t = kelvin_single<R>(temperature);
    // The division comes first so that T = 0 raises before ln T reports.
    const R inverse_term = divide<R>(c.c1, t);
    const R ln_pressure = to_single<R>(inverse_term + c.c2 + c.c3 * t + c.c4 * t * t + c.c5 * t * t * t +
                                       c.c6 * t * t * t * t + c.c7 * math_log<R>(t));
    return math_exp<R>(ln_pressure) * R(0.001L);
}

template <typename Real>
Real heat_of_vaporization(float temperature) {
    using R = Real;
    return R(latent_heat_at_0) - R(latent_heat_slope) * temperature;
}

template <typename Real>
Real vapour_pressure_from_rh(float pws, float rh) {
    using R = Real;
    return R(pws) * rh * R(0.01L);
}

template <typename Real>
Real vapour_pressure_from_ah(float patm, float ah) {
    using R = Real;
    // The divisor cannot vanish: no float is exactly -0.62198.
    return R(patm) * ah / (R(water_to_dry_air_mass_ratio) + ah);
}

template <typename Real>
Real degree_of_saturation(float patm, float pws, float pw) {
    using R = Real;
    const R saturation_ratio = divide<R>(pw, pws);
    const R dos = divide<R>(saturation_ratio * (R(patm) - pws), R(patm) - pw);
    return dos > 100 ? 100 : dos;
}

template <typename Real>
Real humidity_ratio(float patm, float pw) {
    using R = Real;
    return divide<R>(R(water_to_dry_air_mass_ratio) * pw, R(patm) - pw);
}

template <typename Real>
Real dew_point(float dry_bulb, float pw) {
    using R = Real;
    const R a = to_single<R>(math_log<R>(R(1000.0L) * pw));
    // The fit is chosen by the dry bulb, not by the sign of the dew point.
    const R fit = dry_bulb >= 0 ? add<R>(R(-35.957L) - R(1.8726L) * a, R(1.1689L) * a * a)
                                : add<R>(R(7.0322L) * a - R(60.45L), R(0.37L) * a * a);
    return fit > dry_bulb ? dry_bulb : fit;
}

template <typename Real>
Real enthalpy(float temperature, float ah) {
    using R = Real;
    return R(dry_air_specific_heat) * temperature + ah * (R(latent_heat_at_0) + R(vapour_specific_heat) * temperature);
}

template <typename Real>
Real specific_volume(float patm, float temperature, float ah) {
    using R = Real;
    const R pressure_pa = single_product(1000.0f, patm);
    const R kelvin = kelvin_single<R>(temperature);
    // A zero pressure leaves no volume within the float range, so the division
    // is checked only then: its error comes before the result's own overflow.
    const R volume = R(1) / pressure_pa * R(dry_air_gas_constant) * kelvin * (R(vapour_volume_factor) * ah + 1);
    if (!fits_single(volume)) [[unlikely]] {
        divide<R>(1, pressure_pa);
    }
    return volume;
}

template <typename Real>
Real wet_bulb(float dry_bulb, float dew_point_temperature) {
    using R = Real;
    if (std::fabs(R(dry_bulb) - dew_point_temperature) < R(saturation_tolerance)) {
        return dry_bulb;
    }
    const R t = dry_bulb;
    const R d = dew_point_temperature;
    // The denominators have no real root, so every dry bulb is allowed.
    const float f1 = to_single<R>((0.41963667f + 0.007711576f * t + 0.00023861f * t * t) /
                                  (1 + 0.02743685f * t + 0.001536155f * t * t));
    const float f2 = to_single<R>(0.011569f + 0.6134239f * t - 0.00643928f * t * t + 7.52158e-5f * t * t * t -
                                  4.5287e-7f * t * t * t * t);
    const float f3 = to_single<R>((0.011146403f + 0.000255119f * t + 7.1215e-6f * t * t) /
                                  (1 + 0.027956529f * t + 0.002122386f * t * t));
    const float f4 = to_single<R>((9.65426e-5f + 7.15163e-7f * t) / (1 - 0.00292091f * t + 0.001201577f * t * t));
    float twb = to_single<R>(f1 * d + f2 + f3 * d * d + f4 * d * d * d);
    if (twb > dry_bulb) {
        twb = dry_bulb;
    }
    if (twb < dew_point_temperature) {
        twb = dew_point_temperature;
    }
    return twb;
}

template <typename Real>
Real rh_from_wet_bulb(float dry_bulb, float wet_bulb_temperature) {
    using R = Real;
    if (std::fabs(R(dry_bulb) - wet_bulb_temperature) < R(saturation_tolerance)) {
        return 100;
    }
    const R t = dry_bulb;
    const R w = wet_bulb_temperature;
    const R t2 = t * t;
    // The division by t comes first so that t = 0 raises before ln t reports.
    const R over_t = divide<R>(R(3243.72695L), t);
    const R ln_t = math_log<R>(t);
    const R sqrt_t = math_sqrt<R>(t);
    const float g1 =
        to_single<R>(R(6.5283207L) - over_t + divide<R>(R(27478.51412L) * ln_t, t2) - divide<R>(R(31804.835L), t2));
    const float g2 = to_single<R>(divide<R>(R(45.725691L), sqrt_t) - R(5.7823757L) + R(0.00014449003L) * t2 * sqrt_t -
                                  R(1.2648953e-5L) * t2 * t);
    const float g3 =
        to_single<R>(R(1.6161997L) * sqrt_t - R(1.8793625L) - R(0.034446164L) * t - R(0.51282028L) * ln_t * ln_t);
    const float g4 = to_single<R>(R(0.0018867775L) - R(2.0696545e-7L) * t2 * sqrt_t + R(2.0593745e-8L) * t2 * t -
                                  R(59.002463L) * math_exp<R>(-t));
    float rh = to_single<R>(g2 * w + g1 + g3 * w * w + g4 * w * w * w);
    if (rh < 0) {
        rh = 0;
    }
    if (rh > 100) {
        rh = 100;
    }
    return rh;
}

template <typename Real>
Real temperature_humidity_index(float dry_bulb, float dew_point_temperature) {
    using R = Real;
    return dry_bulb + R(0.36L) * dew_point_temperature + R(41.2L);
}

}  // namespace formula

// The value of one kind in Real, before the result is rounded to a float.
template <typename Real>
Real property_value(Property_Kind kind, float x1, float x2, float x3) {
    switch (kind) {
    case Kind_Pws: return formula::saturation_pressure<Real>(x1);
    case Kind_Hfg: return formula::heat_of_vaporization<Real>(x1);
    case Kind_Pw_RH: return formula::vapour_pressure_from_rh<Real>(x1, x2);
    case Kind_Pw_AH: return formula::vapour_pressure_from_ah<Real>(x1, x2);
    case Kind_DOS: return formula::degree_of_saturation<Real>(x1, x2, x3);
    case Kind_AH: return formula::humidity_ratio<Real>(x1, x2);
    case Kind_Tdp: return formula::dew_point<Real>(x1, x2);
    case Kind_H: return formula::enthalpy<Real>(x1, x2);
    case Kind_SV: return formula::specific_volume<Real>(x1, x2, x3);
    case Kind_Twb: return formula::wet_bulb<Real>(x1, x2);
    case Kind_RH_Twb: return formula::rh_from_wet_bulb<Real>(x1, x2);
    case Kind_THI: return formula::temperature_humidity_index<Real>(x1, x2);
    }
    return 0;
}

}  // namespace engine
