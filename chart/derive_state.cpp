#include "chart/derive_state.h"

#include "engine/property.h"

void Derive_State(Air_State& state, float candidate_Pw, Enthalpy_Rule enthalpy) {
    if (state.RH == 100) {
        Set_Saturated(state);
    } else {
        state.Pw = candidate_Pw;
        state.Tdp = Calc_Property(Kind_Tdp, state.Tdb, state.Pw);
        state.Twb = Calc_Property(Kind_Twb, state.Tdb, state.Tdp);
    }
    const float held_enthalpy = state.H;
    Derive_Common_Tail(state);
    if (enthalpy == Enthalpy_Rule::Keep) state.H = held_enthalpy;
}

void Set_Point(Air_State& state, const Chart_Point& point, Enthalpy_Rule enthalpy) {
    state.RH = point.RH;
    state.Tdb = point.Tdb;
    state.Pws = point.Pws;
    Derive_State(state, point.Pw, enthalpy);
}
