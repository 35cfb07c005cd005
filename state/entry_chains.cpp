#include "state/entry_chains.h"

#include <initializer_list>

#include "state/state_steps.h"

namespace state {

namespace {

using namespace step;

// An entry below the shown Tdb by less than this counts as saturated air.
constexpr double Saturation_Band = 0.01;

bool saturated_below_shown_tdb(const Air_State& s, float value, Wet_Entry_Rule rule) {
    return rule == Wet_Entry_Rule::Shown_Tdb && Shown_Tdb(s) - value < Saturation_Band;
}

// The chain of a Tdb or an RH entry from Pws on, saturated at an RH of exactly 100.
void derive_from_tdb_and_rh(Air_State& s) {
    Pws_From_Tdb(s);
    if (s.RH == 100) Set_Saturated(s);
    else Run_Steps(s, {Pw_From_RH, Tdp_From_Pw, Twb_From_Tdp});
    Derive_Common_Tail(s);
}

// The chain of a wet-bulb or dew-point entry: saturated air within the band of the shown Tdb,
// otherwise the vapour pressure and the other of the two through the given steps.
void enter_wet_temperature(Air_State& state, float Air_State::*field, float value, Wet_Entry_Rule rule,
                           std::initializer_list<State_Step> unsaturated) {
    Run_Whole_Chain(state, [&](Air_State& s) {
        s.*field = value;
        if (saturated_below_shown_tdb(s, value, rule)) Set_Saturated(s);
        else Run_Steps(s, unsaturated);
        Derive_Common_Tail(s);
    });
}

// The chain of an entry that holds Tdb and derives the rest step by step.
void store_and_run(Air_State& state, float Air_State::*field, float value, std::initializer_list<State_Step> steps) {
    Run_Whole_Chain(state, [&](Air_State& s) {
        s.*field = value;
        Run_Steps(s, steps);
    });
}

}  // namespace

void Enter_Tdb(Air_State& state, float Tdb) {
    Run_Whole_Chain(state, [&](Air_State& s) {
        s.Tdb = Tdb;
        derive_from_tdb_and_rh(s);
    });
}

void Enter_RH(Air_State& state, float RH) {
    Run_Whole_Chain(state, [&](Air_State& s) {
        s.RH = RH == 0 ? Dry_Air_RH : RH;
        derive_from_tdb_and_rh(s);
    });
}

void Enter_Twb(Air_State& state, float Twb, Wet_Entry_Rule rule) {
    enter_wet_temperature(state, &Air_State::Twb, Twb, rule, {RH_From_Twb, Pw_From_RH, Tdp_From_Pw});
}

void Enter_Tdp(Air_State& state, float Tdp, Wet_Entry_Rule rule) {
    enter_wet_temperature(state, &Air_State::Tdp, Tdp, rule, {Pw_From_Tdp, RH_From_Pw, Twb_From_Tdp});
}

void Enter_AH(Air_State& state, float AH) {
    store_and_run(
        state, &Air_State::AH, AH,
        {Pw_From_AH, RH_From_Pw, Tdp_From_Pw, SV_From_AH, Twb_From_Tdp, Hfg_From_Tdb, DOS_From_Pw, H_From_AH});
}

void Enter_H(Air_State& state, float H) {
    store_and_run(
        state, &Air_State::H, H,
        {AH_From_H, Pw_From_AH, RH_From_Pw, Tdp_From_Pw, SV_From_AH, Twb_From_Tdp, Hfg_From_Tdb, DOS_From_Pw});
}

void Enter_SV(Air_State& state, float SV) {
    store_and_run(
        state, &Air_State::SV, SV,
        {AH_From_SV, Pw_From_AH, RH_From_Pw, Tdp_From_Pw, Twb_From_Tdp, Hfg_From_Tdb, DOS_From_Pw, H_From_AH});
}

void Enter_DOS(Air_State& state, float DOS) {
    store_and_run(state, &Air_State::DOS, DOS,
                  {AH_From_DOS, Pw_From_AH, RH_From_Pw, Tdp_From_Pw, SV_From_AH, Twb_From_Tdp, Hfg_From_Tdb,
                   DOS_From_Pw, H_From_AH});
}

void Enter_Pw(Air_State& state, float Pw) {
    store_and_run(
        state, &Air_State::Pw, Pw,
        {RH_From_Pw, AH_From_Pw, Tdp_From_Pw, SV_From_AH, Twb_From_Tdp, Hfg_From_Tdb, DOS_From_Pw, H_From_AH});
}

}  // namespace state
