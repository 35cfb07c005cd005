#pragma once

#include "state/air_state.h"

namespace state {

// The limits of a property's entry at a state, from its Patm, Tdb and Pws. The entries test
// them and the hint lines show them.

// How a wet-bulb or dew-point entry meets the dry bulb. Shown_Tdb: bounded by the Tdb as a field
// with two decimals shows it, and an entry less than 0.01 below that is saturated air. Stored_Tdb:
// bounded by the stored Tdb, and saturation is left to the engine's fits.
enum class Wet_Entry_Rule { Shown_Tdb, Stored_Tdb };

// Tdb as a field shows it, read back from its text: Tdb rounded to two decimals.
double Shown_Tdb(const Air_State& state);

// The highest wet bulb or dew point: the shown or the stored Tdb.
double Wet_Entry_Top(const Air_State& state, Wet_Entry_Rule rule);
// The dew point at RH 0.01 %.
float Tdp_Min(const Air_State& state);
// The wet bulb at RH 0.01 %.
float Twb_Min(const Air_State& state);
// The humidity ratio at saturation.
float AH_Sat(const Air_State& state);
// The humidity ratio of saturated air at the temperature T (degree C) and the pressure Patm.
float Saturation_AH(float Patm, float T);
// The enthalpy of dry air.
float H_Min(const Air_State& state);
// The enthalpy at saturation.
float H_Sat(const Air_State& state);
// The specific volume of dry air.
float SV_Min(const Air_State& state);
// The specific volume at saturation.
float SV_Sat(const Air_State& state);

// The saturation pressure at the chart's highest dry bulb, 70 degC. At or below it some states
// of the chart leave the property function's domain, so no atmospheric pressure this low is taken.
float Lowest_Patm();
// Ten atmospheres: beyond any air the chart is meant for, and far within the float range of
// every computation at that pressure, so no atmospheric pressure above it is taken.
constexpr float Highest_Patm = 1000;
// Whether the settings dialogs take an atmospheric pressure of P kPa: above Lowest_Patm, at most
// Highest_Patm.
bool Patm_Acceptable(float P);

}  // namespace state
