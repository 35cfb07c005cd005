#include "state/state_steps.h"

#include <algorithm>
#include <cmath>

#include "engine/float_env.h"
#include "engine/physical_constants.h"
#include "engine/property.h"

namespace state {

namespace {

using engine::divide;
using engine::to_single;

// Float halving of 0.001..100 ends after about forty steps; the bound only guards the loop.
constexpr int Max_Halvings = 200;

// The engine's RH fit is good only from about 9 degC: below it, the air it gives misses the typed
// wet bulb by up to 7 K (and near 0 it divides by the dry bulb). From 10 to 40 degC it stays within
// 0.37 K, up to 65 degC within 1 K; near saturation at 70 degC it misses by a whole kelvin and more.
constexpr float Lowest_Fitted_Dry_Bulb = 9;  // degC
constexpr float Fit_Miss_Limit = 1;          // K: a fit whose air misses by this or more is not taken

// The constants of the inverse formulas below, widened from their double values so that the
// arithmetic runs in extended precision on exactly those numbers (the long double of a decimal
// constant is another number).
constexpr long double widened(long double constant) { return engine::as_double(constant); }
constexpr long double Cp_Dry_Air = widened(engine::dry_air_specific_heat);
constexpr long double Cp_Vapour = widened(engine::vapour_specific_heat);
constexpr long double Latent_Heat_At_0 = widened(engine::latent_heat_at_0);
constexpr long double Gas_Constant_Air = widened(engine::dry_air_gas_constant);
constexpr long double Kelvin_Offset = widened(engine::kelvin_offset);
constexpr long double Vapour_Ratio = widened(engine::water_to_dry_air_mass_ratio);
// 1 / 1.6078 to 15 significant digits: inverts the specific volume's (1 + 1.6078 AH).
constexpr long double Inverse_Volume_Factor = 0.621967906456027L;

float wet_bulb_at(const Air_State& state, float rh) {
    const float pw = Calc_Property(Kind_Pw_RH, state.Pws, rh);
    return Calc_Property(Kind_Twb, state.Tdb, Calc_Property(Kind_Tdp, state.Tdb, pw));
}

// Keeps the wet bulb at low below twb and at high not below it. The fits are not monotonic in
// the RH below 0 degC, but a bracket so kept still closes in on an RH whose wet bulb is twb. A wet
// bulb at or above the one of saturated air is saturated air, which no bracket would hold.
float rh_by_halving(const Air_State& state, float twb) {
    if (wet_bulb_at(state, 100) <= twb) return 100;
    float low = Dry_Air_RH;
    float high = 100;
    for (int step = 0; step < Max_Halvings; ++step) {
        const float middle = to_single((static_cast<long double>(low) + high) / 2);
        if (middle == low || middle == high) break;
        const float wet_bulb = wet_bulb_at(state, middle);
        if (wet_bulb == twb) return middle;
        (wet_bulb < twb ? low : high) = middle;
    }
    const float miss_low = std::fabs(wet_bulb_at(state, low) - twb);
    const float miss_high = std::fabs(wet_bulb_at(state, high) - twb);
    return miss_high < miss_low ? high : low;
}

}  // namespace

float Dew_Point(const Air_State& state) {
    const float driest = Calc_Property(Kind_Pw_RH, state.Pws, Dry_Air_RH);
    return Calc_Property(Kind_Tdp, state.Tdb, std::max(state.Pw, driest));
}

float RH_From_Twb(const Air_State& state, float twb) {
    if (state.Tdb >= Lowest_Fitted_Dry_Bulb) {
        const float fitted = Calc_Property(Kind_RH_Twb, state.Tdb, twb);
        if (fitted > 0 && std::fabs(wet_bulb_at(state, fitted) - twb) < Fit_Miss_Limit) return fitted;
    }
    return rh_by_halving(state, twb);
}

float AH_From_H(float tdb, float h) {
    return to_single(divide(h - Cp_Dry_Air * tdb, Cp_Vapour * tdb + Latent_Heat_At_0));
}

float RH_From_Pw(float pw, float pws) { return to_single(divide(pw, pws) * 100); }

void Run_Steps(Air_State& state, std::initializer_list<State_Step> steps) {
    for (State_Step each : steps) each(state);
}

namespace step {

void Pws_From_Tdb(Air_State& s) { s.Pws = Calc_Property(Kind_Pws, s.Tdb); }
void Pw_From_RH(Air_State& s) { s.Pw = Calc_Property(Kind_Pw_RH, s.Pws, s.RH); }
void Pw_From_AH(Air_State& s) { s.Pw = Calc_Property(Kind_Pw_AH, s.Patm, s.AH); }
void Pw_From_Tdp(Air_State& s) { s.Pw = Calc_Property(Kind_Pws, s.Tdp); }
void RH_From_Pw(Air_State& s) { s.RH = state::RH_From_Pw(s.Pw, s.Pws); }
void RH_From_Twb(Air_State& s) { s.RH = state::RH_From_Twb(s, s.Twb); }
void AH_From_Pw(Air_State& s) { s.AH = Calc_Property(Kind_AH, s.Patm, s.Pw); }
// An enthalpy or a volume at its lower limit is dry air, whatever the rounding of the inverse.
void AH_From_H(Air_State& s) { s.AH = std::max(0.0f, state::AH_From_H(s.Tdb, s.H)); }

void AH_From_SV(Air_State& s) {
    const long double dry_air_volume = divide(1000.0L * s.Patm * s.SV, Gas_Constant_Air * (s.Tdb + Kelvin_Offset));
    s.AH = std::max(0.0f, to_single((dry_air_volume - 1) * Inverse_Volume_Factor));
}

void AH_From_DOS(Air_State& s) {
    s.AH = to_single(divide(Vapour_Ratio * s.Pws * s.DOS, static_cast<long double>(s.Patm) - s.Pws));
}

void Tdp_From_Pw(Air_State& s) { s.Tdp = Dew_Point(s); }
void Twb_From_Tdp(Air_State& s) { s.Twb = Calc_Property(Kind_Twb, s.Tdb, s.Tdp); }
void SV_From_AH(Air_State& s) { s.SV = Calc_Property(Kind_SV, s.Patm, s.Tdb, s.AH); }
void Hfg_From_Tdb(Air_State& s) { s.Hfg = Calc_Property(Kind_Hfg, s.Tdb); }
void DOS_From_Pw(Air_State& s) { s.DOS = Calc_Property(Kind_DOS, s.Patm, s.Pws, s.Pw); }
void H_From_AH(Air_State& s) { s.H = Calc_Property(Kind_H, s.Tdb, s.AH); }

}  // namespace step

}  // namespace state
