#include "state/entry_chains.h"

#include "state/state_steps.h"

namespace {

using namespace step;

// An entry below the shown Tdb by less than this counts as saturated air.
constexpr double Saturation_Band = 0.01;

void saturate(Air_State& s) {
    s.RH = 100;
    Set_Saturated(s);
}

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

}  // namespace

void Enter_Tdb(Air_State& s, float Tdb) {
    s.Tdb = Tdb;
    derive_from_tdb_and_rh(s);
}

void Enter_RH(Air_State& s, float RH) {
    s.RH = RH == 0 ? Dry_Air_RH : RH;
    derive_from_tdb_and_rh(s);
}

void Enter_Twb(Air_State& s, float Twb, Wet_Entry_Rule rule) {
    s.Twb = Twb;
    if (saturated_below_shown_tdb(s, Twb, rule)) saturate(s);
    else Run_Steps(s, {RH_From_Twb, Pw_From_RH, Tdp_From_Pw});
    Derive_Common_Tail(s);
}

void Enter_Tdp(Air_State& s, float Tdp, Wet_Entry_Rule rule) {
    s.Tdp = Tdp;
    if (saturated_below_shown_tdb(s, Tdp, rule)) saturate(s);
    else Run_Steps(s, {Pw_From_Tdp, RH_From_Pw, Twb_From_Tdp});
    Derive_Common_Tail(s);
}

void Enter_AH(Air_State& s, float AH) {
    s.AH = AH;
    Run_Steps(s, {Pw_From_AH, RH_From_Pw, Tdp_From_Pw, SV_From_AH, Twb_From_Tdp, Hfg_From_Tdb, DOS_From_Pw, H_From_AH});
}

void Enter_H(Air_State& s, float H) {
    s.H = H;
    Run_Steps(s, {AH_From_H, Pw_From_AH, RH_From_Pw, Tdp_From_Pw, SV_From_AH, Twb_From_Tdp, Hfg_From_Tdb, DOS_From_Pw});
}

void Enter_SV(Air_State& s, float SV) {
    s.SV = SV;
    Run_Steps(s, {AH_From_SV, Pw_From_AH, RH_From_Pw, Tdp_From_Pw, Twb_From_Tdp, Hfg_From_Tdb, DOS_From_Pw, H_From_AH});
}

void Enter_DOS(Air_State& s, float DOS) {
    s.DOS = DOS;
    Run_Steps(s, {AH_From_DOS, Pw_From_AH, RH_From_Pw, Tdp_From_Pw, SV_From_AH, Twb_From_Tdp, Hfg_From_Tdb,
                  DOS_From_Pw, H_From_AH});
}

void Enter_Pw(Air_State& s, float Pw) {
    s.Pw = Pw;
    Run_Steps(s, {RH_From_Pw, AH_From_Pw, Tdp_From_Pw, SV_From_AH, Twb_From_Tdp, Hfg_From_Tdb, DOS_From_Pw, H_From_AH});
}
