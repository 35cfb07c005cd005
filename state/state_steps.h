#pragma once

#include <initializer_list>

#include "state/air_state.h"

namespace state {

// The steps the recompute chains of a state are made of. Each stores one field from fields
// already stored, as a 32-bit float, so later steps read the rounded values. Both programs run
// them, in the orders their chains give.

// An RH entered as 0 is held as this (the float nearest 0.001 %), shown as 0.
inline constexpr float Dry_Air_RH = 0.001f;

// The dew point of the stored Tdb and Pw. The fit means nothing for perfectly dry air (a Pw of 0
// or below, or a hair above it after rounding): a Pw below the one of an RH of Dry_Air_RH is taken
// as that one, the convention of an RH entry of 0. The stored Pw is not changed.
float Dew_Point(const Air_State& state);

// The RH (%) at the stored Tdb and Pws whose wet bulb is twb, for air that is not saturated. From
// a dry bulb of 9 degC the engine's fit gives it, as long as the air of the fitted RH has a wet bulb
// less than 1 K from twb. Below 9 degC, where the fit gives 0, and where its air misses twb, the RH is
// found by halving Dry_Air_RH..100 until Kind_Twb(Tdb, Kind_Tdp(Tdb, Pws x RH / 100)) meets twb as
// a float.
float RH_From_Twb(const Air_State& state, float twb);

// The humidity ratio at which air of dry bulb tdb has enthalpy h: the inverse of Kind_H in AH.
float AH_From_H(float tdb, float h);

// The relative humidity (%) of a vapour pressure at a saturation pressure, not capped at 100.
float RH_From_Pw(float pw, float pws);

using State_Step = void (*)(Air_State& state);

// Runs the steps one after the other on the state.
void Run_Steps(Air_State& state, std::initializer_list<State_Step> steps);

namespace step {

void Pws_From_Tdb(Air_State& s);  // Kind_Pws(Tdb)
void Pw_From_RH(Air_State& s);    // Kind_Pw_RH(Pws, RH)
void Pw_From_AH(Air_State& s);    // Kind_Pw_AH(Patm, AH)
void Pw_From_Tdp(Air_State& s);   // Kind_Pws(Tdp): the dew point's saturation pressure
void RH_From_Pw(Air_State& s);    // Pw / Pws x 100, not capped at 100
void RH_From_Twb(Air_State& s);   // state::RH_From_Twb of the stored Twb
void AH_From_Pw(Air_State& s);    // Kind_AH(Patm, Pw)
void AH_From_H(Air_State& s);     // the inverse of Kind_H in AH, at least 0
void AH_From_SV(Air_State& s);    // the inverse of Kind_SV in AH, at least 0
void AH_From_DOS(Air_State& s);   // the fraction DOS of the saturation humidity ratio
void Tdp_From_Pw(Air_State& s);   // Dew_Point
void Twb_From_Tdp(Air_State& s);  // Kind_Twb(Tdb, Tdp)
void SV_From_AH(Air_State& s);    // Kind_SV(Patm, Tdb, AH)
void Hfg_From_Tdb(Air_State& s);  // Kind_Hfg(Tdb)
void DOS_From_Pw(Air_State& s);   // Kind_DOS(Patm, Pws, Pw)
void H_From_AH(Air_State& s);     // Kind_H(Tdb, AH)

}  // namespace step

}  // namespace state
