#pragma once

// The physical constants of moist air that this program computes with, each named once. Values
// of the ideal-gas psychrometric relations of the ASHRAE Handbook - Fundamentals (SI), chapter
// Psychrometrics, where the molar masses are 28.9645 (dry air) and 18.01528 (water) kg/kmol.
//
// Each is written as a long double literal: the property formulas take it at the precision they
// run in, so the same formula in long double runs on the decimal value itself. Code that
// computes on the double value of a constant narrows it first with as_double; for every constant
// here that double is the one its decimal literal names (tests/engine checks it).
namespace engine {

// Kelvin at 0 degree C (K): the definition of the Celsius scale.
inline constexpr long double kelvin_offset = 273.15L;

// Specific heat of dry air at constant pressure (kJ/(kg K)).
inline constexpr long double dry_air_specific_heat = 1.006L;

// Specific heat of water vapour at constant pressure (kJ/(kg K)).
inline constexpr long double vapour_specific_heat = 1.805L;

// Latent heat of vaporization of water at 0 degree C (kJ/kg).
inline constexpr long double latent_heat_at_0 = 2501.0L;

// How much the latent heat falls per kelvin (kJ/(kg K)), in the linear fit 2501 - 2.42 t.
inline constexpr long double latent_heat_slope = 2.42L;

// Gas constant of dry air (J/(kg K)): the universal 8314.41 J/(kmol K) over dry air's molar mass.
inline constexpr long double dry_air_gas_constant = 287.05518L;

// Molar mass of water over that of dry air: the humidity ratio per unit of Pw / (Patm - Pw).
inline constexpr long double water_to_dry_air_mass_ratio = 0.62198L;

// Molar mass of dry air over that of water (the inverse of the ratio above, to five digits): the
// specific volume grows by this times the humidity ratio.
inline constexpr long double vapour_volume_factor = 1.6078L;

// The constant as the double the program holds it in outside the property formulas.
constexpr double as_double(long double constant) { return static_cast<double>(constant); }

}  // namespace engine
