#include "state/air_state.h"

#include "state/state_steps.h"

namespace state {

void Derive_From_Tdb_RH(Air_State& state) {
    using namespace step;
    Run_Whole_Chain(state, [](Air_State& s) {
        Run_Steps(s, {Pws_From_Tdb, Pw_From_RH, AH_From_Pw, Tdp_From_Pw, SV_From_AH, Twb_From_Tdp, Hfg_From_Tdb,
                      DOS_From_Pw, H_From_AH});
    });
}

Air_State State_From_Tdb_RH(float Patm, float Tdb, float RH) {
    Air_State state;
    state.Patm = Patm;
    state.Tdb = Tdb;
    state.RH = RH;
    Derive_From_Tdb_RH(state);
    return state;
}

void Set_Saturated(Air_State& state) {
    state.RH = 100;
    state.Pw = state.Pws;
    state.Twb = state.Tdb;
    state.Tdp = state.Tdb;
}

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

void Hold_Physical_Range(Air_State& state) {
    if (state.Pw > state.Pws || state.RH > 100) {
        state.RH = 100;
        Derive_State(state, state.Pws);
    } else if (state.Pw < 0 || state.AH < 0 || state.RH < 0 || state.DOS < 0) {
        state.RH = 0;
        Derive_State(state, 0);
    }
}

void Derive_Common_Tail(Air_State& state) {
    using namespace step;
    Run_Steps(state, {AH_From_Pw, SV_From_AH, Hfg_From_Tdb, DOS_From_Pw, H_From_AH});
}

}  // namespace state
