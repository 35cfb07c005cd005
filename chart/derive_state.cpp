#include "chart/derive_state.h"

#include "state/state_steps.h"

void Derive_State(Air_State& state, float candidate_Pw, Enthalpy_Rule enthalpy) {
    if (state.RH == 100) {
        Set_Saturated(state);
    } else {
        state.Pw = candidate_Pw;
        Run_Steps(state, {step::Tdp_From_Pw, step::Twb_From_Tdp});
    }
    const float held_enthalpy = state.H;
    Derive_Common_Tail(state);
    if (enthalpy == Enthalpy_Rule::Keep) state.H = held_enthalpy;
}

void Set_Point(Air_State& state, const Chart_Point& point, Enthalpy_Rule enthalpy) {
    Run_Whole_Chain(state, [&](Air_State& next) {
        next.RH = point.RH;
        next.Tdb = point.Tdb;
        next.Pws = point.Pws;
        Derive_State(next, point.Pw, enthalpy);
    });
}
