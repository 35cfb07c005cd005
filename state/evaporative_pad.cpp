#include "state/evaporative_pad.h"

#include "engine/float_env.h"
#include "engine/property.h"
#include "state/state_steps.h"

namespace state {

namespace {

constexpr long double Percent = 0.01L;

bool is_saturated(const Air_State& outdoor) { return outdoor.Twb == outdoor.Tdb; }

// The chain from the outdoor air (its Patm and H) to the dry bulb Tdb along constant enthalpy.
void cool_along_enthalpy(Air_State& s, float Tdb, float outdoor_Twb) {
    s.Tdb = Tdb;
    step::Pws_From_Tdb(s);
    s.AH = AH_From_H(Tdb, s.H);
    step::Pw_From_AH(s);
    if (s.Pw >= s.Pws) {
        s.RH = 100;
        s.Pw = s.Pws;
        s.Twb = outdoor_Twb;
        s.Tdp = outdoor_Twb;
    } else {
        Run_Steps(s, {step::RH_From_Pw, step::Tdp_From_Pw, step::Twb_From_Tdp});
    }
    Run_Steps(s, {step::SV_From_AH, step::Hfg_From_Tdb, step::DOS_From_Pw});
}

}  // namespace

Air_State After_Pad_State(const Air_State& outdoor, float Tdb) {
    Air_State after = outdoor;
    if (is_saturated(outdoor)) return after;
    Run_Whole_Chain(after, [&](Air_State& s) { cool_along_enthalpy(s, Tdb, outdoor.Twb); });
    return after;
}

std::optional<float> After_Pad_Tdb(const Air_State& outdoor, float efficiency) {
    const long double wet_bulb_depression = static_cast<long double>(outdoor.Tdb) - outdoor.Twb;
    const float Tdb = engine::to_single(outdoor.Tdb - wet_bulb_depression * efficiency * Percent);
    if (Tdb > outdoor.Tdb || Tdb < outdoor.Twb) return std::nullopt;
    return Tdb;
}

float Pad_Efficiency(const Air_State& outdoor, float Tdb) {
    if (is_saturated(outdoor)) return 0;
    const long double cooling = static_cast<long double>(outdoor.Tdb) - Tdb;
    return engine::to_single(engine::divide(cooling, static_cast<long double>(outdoor.Tdb) - outdoor.Twb) * 100);
}

}  // namespace state
