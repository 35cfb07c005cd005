#include "state/entry_limits.h"

#include "engine/float_env.h"
#include "engine/property.h"

namespace {
constexpr float Least_RH = 0.01f;  // %
constexpr double Dry_Air_Heat = 1.006;  // kJ/(kg K)
}  // namespace

float Tdp_Min(const Air_State& state) {
    return Calc_Property(Kind_Tdp, state.Tdb, Calc_Property(Kind_Pw_RH, state.Pws, Least_RH));
}

float Twb_Min(const Air_State& state) { return Calc_Property(Kind_Twb, state.Tdb, Tdp_Min(state)); }

float AH_Sat(const Air_State& state) { return Calc_Property(Kind_AH, state.Patm, state.Pws); }

float H_Min(const Air_State& state) { return engine::to_single(Dry_Air_Heat * static_cast<double>(state.Tdb)); }

float H_Sat(const Air_State& state) { return Calc_Property(Kind_H, state.Tdb, AH_Sat(state)); }

float SV_Min(const Air_State& state) { return Calc_Property(Kind_SV, state.Patm, state.Tdb, 0); }

float SV_Sat(const Air_State& state) { return Calc_Property(Kind_SV, state.Patm, state.Tdb, AH_Sat(state)); }
