#include "state/air_state.h"

#include "engine/float_env.h"
#include "engine/property.h"
#include "state/state_steps.h"

namespace {
// The constants of the enthalpy, widened from their double values so that the arithmetic runs in
// extended precision on exactly those numbers.
constexpr long double Cp_Dry_Air = 1.006;       // kJ/(kg K)
constexpr long double Cp_Vapour = 1.805;        // kJ/(kg K)
constexpr long double Latent_Heat_At_0 = 2501;  // kJ/kg
}  // namespace

float AH_From_H(float tdb, float h) {
    return engine::to_single(engine::divide(h - Cp_Dry_Air * tdb, Cp_Vapour * tdb + Latent_Heat_At_0));
}

float RH_From_Pw(float pw, float pws) { return engine::to_single(engine::divide(pw, pws) * 100); }

void Derive_From_Tdb_RH(Air_State& state) {
    state.Pws = Calc_Property(Kind_Pws, state.Tdb);
    state.Pw = Calc_Property(Kind_Pw_RH, state.Pws, state.RH);
    state.AH = Calc_Property(Kind_AH, state.Patm, state.Pw);
    state.Tdp = Calc_Property(Kind_Tdp, state.Tdb, state.Pw);
    state.SV = Calc_Property(Kind_SV, state.Patm, state.Tdb, state.AH);
    state.Twb = Calc_Property(Kind_Twb, state.Tdb, state.Tdp);
    state.Hfg = Calc_Property(Kind_Hfg, state.Tdb);
    state.DOS = Calc_Property(Kind_DOS, state.Patm, state.Pws, state.Pw);
    state.H = Calc_Property(Kind_H, state.Tdb, state.AH);
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
    state.Pw = state.Pws;
    state.Twb = state.Tdb;
    state.Tdp = state.Tdb;
}

void Derive_Common_Tail(Air_State& state) {
    using namespace step;
    Run_Steps(state, {AH_From_Pw, SV_From_AH, Hfg_From_Tdb, DOS_From_Pw, H_From_AH});
}
