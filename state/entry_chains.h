#pragma once

#include "state/air_state.h"
#include "state/entry_limits.h"

namespace state {

// The chains that take one entered property into a state: each stores the value and derives
// what depends on it, with Tdb held (with RH held for a Tdb entry). Patm is never changed. The
// caller has tested the value against its limits (state/entry_limits.h).

// At a stored RH of exactly 100 the state is saturated without the engine.
void Enter_Tdb(Air_State& state, float Tdb);
// An RH of 0 is held as Dry_Air_RH; one of exactly 100 is saturated air.
void Enter_RH(Air_State& state, float RH);
// The RH follows from the wet bulb (RH_From_Twb); the typed wet bulb is kept unless saturated.
void Enter_Twb(Air_State& state, float Twb, Wet_Entry_Rule rule);
// The vapour pressure is the dew point's saturation pressure.
void Enter_Tdp(Air_State& state, float Tdp, Wet_Entry_Rule rule);
void Enter_AH(Air_State& state, float AH);
// H keeps the entered value.
void Enter_H(Air_State& state, float H);
// SV keeps the entered value.
void Enter_SV(Air_State& state, float SV);
// DOS as a fraction 0..1; it is then replaced by the one of the derived Pw.
void Enter_DOS(Air_State& state, float DOS);
void Enter_Pw(Air_State& state, float Pw);

}  // namespace state
