#pragma once

#include "state/air_state.h"

// Steps that the recompute chains of the current state share. Each stores its results in the
// state as 32-bit floats, one after the other, so later steps read the rounded values.

// An RH entered as 0 is held as this (the float nearest 0.001 %), shown as 0.
inline constexpr float Dry_Air_RH = 0.001f;

// The dew point of the stored Tdb and Pw. The fit means nothing for perfectly dry air (a Pw of 0
// or below, or a hair above it after rounding): a Pw below the one of an RH of Dry_Air_RH is taken
// as that one, the convention of an RH entry of 0. The stored Pw is not changed.
float Dew_Point(const Air_State& state);

// The RH (%) at the stored Tdb and Pws whose wet bulb is twb, for air that is not saturated. The
// engine's fit holds only above a dry bulb of 0 degC; at 0 and below the RH is found by halving
// Dry_Air_RH..100 until Kind_Twb(Tdb, Kind_Tdp(Tdb, Pws x RH / 100)) meets twb as a float.
float RH_From_Twb(const Air_State& state, float twb);
