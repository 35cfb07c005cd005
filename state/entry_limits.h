#pragma once

#include "state/air_state.h"

// The limits of a property's entry at a state, from its Patm, Tdb and Pws. The entries test
// them and the hint lines show them.

// The dew point at RH 0.01 %.
float Tdp_Min(const Air_State& state);
// The wet bulb at RH 0.01 %.
float Twb_Min(const Air_State& state);
// The humidity ratio at saturation.
float AH_Sat(const Air_State& state);
// The enthalpy of dry air.
float H_Min(const Air_State& state);
// The enthalpy at saturation.
float H_Sat(const Air_State& state);
// The specific volume of dry air.
float SV_Min(const Air_State& state);
// The specific volume at saturation.
float SV_Sat(const Air_State& state);
