#pragma once

#include <optional>

#include "state/air_state.h"

namespace state {

// The air leaves an evaporative pad at the enthalpy it came with, cooler and more humid. The
// pad's efficiency (%) is how far its Tdb falls from the outdoor Tdb towards the outdoor Twb.
// Saturated outdoor air can be neither cooled nor moistened: it leaves the pad as it came.

// The after-pad air at the dry bulb Tdb, which lies between the outdoor Twb and Tdb. Where the
// constant-enthalpy line has passed the saturation curve at Tdb, the air is saturated with the
// outdoor Twb as its wet bulb and dew point. H is the outdoor one.
Air_State After_Pad_State(const Air_State& outdoor, float Tdb);

// The after-pad Tdb of an efficiency; none for an efficiency beyond 0..100, whose Tdb would leave
// the outdoor Twb..Tdb.
std::optional<float> After_Pad_Tdb(const Air_State& outdoor, float efficiency);

// The efficiency that cools the outdoor air to Tdb; 0 for saturated outdoor air.
float Pad_Efficiency(const Air_State& outdoor, float Tdb);

}  // namespace state
