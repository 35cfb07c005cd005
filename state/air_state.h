#pragma once

namespace state {

// One state of moist air. Every field is a 32-bit float; the order is fixed.
struct Air_State {
    float Patm = 0;  // kPa
    float RH = 0;    // %
    float Tdb = 0;   // degree C
    float Pws = 0;   // kPa, saturation pressure at Tdb
    float Pw = 0;    // kPa
    float AH = 0;    // humidity ratio, kg/kg dry air
    float Tdp = 0;   // degree C
    float SV = 0;    // m3/kg dry air
    float Twb = 0;   // degree C
    float Hfg = 0;   // kJ/kg
    float DOS = 0;   // degree of saturation as a fraction 0..1
    float H = 0;     // kJ/kg dry air
};

// Derives the nine other fields from Patm, Tdb and RH, in the order of the standard chain, with
// no saturation shortcut. Each result is stored before the next step reads it, so later steps
// see the rounded 32-bit values. The dew point of perfectly dry air is that of Dew_Point.
void Derive_From_Tdb_RH(Air_State& state);

// The state of Patm, Tdb and RH, stored in this order, then derived.
Air_State State_From_Tdb_RH(float Patm, float Tdb, float RH);

// Saturated air at the stored Tdb, without the engine: RH := 100, Pw := Pws, Twb := Tdb,
// Tdp := Tdb.
void Set_Saturated(Air_State& state);

// AH, SV, Hfg, DOS and H, in this order, from Patm, Tdb, Pws and Pw.
void Derive_Common_Tail(Air_State& state);

// Whether a derivation computes the enthalpy or leaves it as it is (a move along the state's own
// enthalpy line keeps it).
enum class Enthalpy_Rule { Derive, Keep };

// Completes the state from its Patm, Tdb, RH and Pws with the candidate vapour pressure: at RH
// exactly 100 the state is saturated (Set_Saturated) and the candidate unused; otherwise Pw is the
// candidate and the dew point and wet bulb follow from it (for perfectly dry air those of
// Dew_Point). Then the common tail, with H kept where asked.
void Derive_State(Air_State& state, float candidate_Pw, Enthalpy_Rule enthalpy = Enthalpy_Rule::Derive);

// The end of every chain. Where rounding has carried Pw above Pws or RH above 100, the state is
// the saturated one at its Tdb; where it has carried Pw, AH, RH or DOS below 0, it is perfectly
// dry air (RH 0, Pw 0). Either is completed by Derive_State. Any other state is left as it is.
void Hold_Physical_Range(Air_State& state);

// Runs the chain on a copy of the state, keeps the copy in the physical range and only then
// stores it: a floating-point error part-way through leaves the state exactly as it was.
template <class Chain>
void Run_Whole_Chain(Air_State& state, Chain chain) {
    Air_State next = state;
    chain(next);
    Hold_Physical_Range(next);
    state = next;
}

}  // namespace state
