#pragma once

#include "chart/chart_point.h"
#include "state/air_state.h"

// Whether a derivation computes the enthalpy or leaves it as it is (a move along the state's own
// enthalpy line keeps it).
enum class Enthalpy_Rule { Derive, Keep };

// Completes the state from its Patm, Tdb, RH and Pws with the candidate vapour pressure: at RH
// exactly 100 the state is saturated (Pw = Pws, Twb = Tdp = Tdb) and the candidate unused;
// otherwise Pw is the candidate and the dew point and wet bulb follow from it (for perfectly dry
// air those of Dew_Point). Then AH, SV, Hfg, DOS (a fraction) and, unless kept, H.
void Derive_State(Air_State& state, float candidate_Pw, Enthalpy_Rule enthalpy = Enthalpy_Rule::Derive);

// Makes the point the state at the state's own pressure: RH, Tdb and Pws in this order, then the
// derivation with the point's vapour pressure. The state changes only when the whole derivation
// succeeds, and ends in the physical range (Hold_Physical_Range).
void Set_Point(Air_State& state, const Chart_Point& point, Enthalpy_Rule enthalpy = Enthalpy_Rule::Derive);
