#include "state/state_steps.h"

#include <algorithm>
#include <cmath>

#include "engine/float_env.h"
#include "engine/property.h"

namespace {

// Float halving of 0.001..100 ends after about forty steps; the bound only guards the loop.
constexpr int Max_Halvings = 200;

float wet_bulb_at(const Air_State& state, float rh) {
    const float pw = Calc_Property(Kind_Pw_RH, state.Pws, rh);
    return Calc_Property(Kind_Twb, state.Tdb, Calc_Property(Kind_Tdp, state.Tdb, pw));
}

// Keeps the wet bulb at low below twb and at high not below it. The fits are not monotonic in
// the RH below 0 degC, but a bracket so kept still closes in on an RH whose wet bulb is twb.
float rh_by_halving(const Air_State& state, float twb) {
    float low = Dry_Air_RH;
    float high = 100;
    for (int step = 0; step < Max_Halvings; ++step) {
        const float middle = engine::to_single((static_cast<long double>(low) + high) / 2);
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
    if (state.Tdb > 0) return Calc_Property(Kind_RH_Twb, state.Tdb, twb);
    return rh_by_halving(state, twb);
}
