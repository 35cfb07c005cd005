#pragma once

#include "state/air_state.h"

namespace state {

// A leaf is taken as saturated air at its temperature; the vapour-pressure deficit is its
// saturation pressure less the air's vapour pressure.

// Saturated air at the leaf's temperature and the pressure Patm.
Air_State Leaf_State(float Patm, float Tleaf);

// The saturation pressure at the leaf's temperature less the air's vapour pressure (kPa), as a
// float. The temperature must have a saturation pressure.
float Vapour_Pressure_Deficit(float Tleaf, float air_Pw);

// Whether a temperature (degree C) has a saturation pressure: it has none at absolute zero and below.
bool Has_Saturation_Pressure(float T);

}  // namespace state
