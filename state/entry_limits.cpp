#include "state/entry_limits.h"

#include "engine/float_env.h"
#include "engine/physical_constants.h"
#include "engine/property.h"
#include "numtext/mask_format.h"
#include "numtext/text_to_number.h"
#include "state/entry_ranges.h"

namespace state {

namespace {
constexpr float Least_RH = 0.01f;  // %
// The minimum enthalpy is computed on the double value of the constant.
constexpr double Dry_Air_Heat = engine::as_double(engine::dry_air_specific_heat);
// The mask every field of a temperature shows it with.
constexpr const char* Temperature_Mask = "###0.##";
}  // namespace

double Shown_Tdb(const Air_State& state) {
    return static_cast<double>(numtext::text_to_float(numtext::format_mask(state.Tdb, Temperature_Mask)));
}

double Wet_Entry_Top(const Air_State& state, Wet_Entry_Rule rule) {
    return rule == Wet_Entry_Rule::Shown_Tdb ? Shown_Tdb(state) : state.Tdb;
}

float Tdp_Min(const Air_State& state) {
    return Calc_Property(Kind_Tdp, state.Tdb, Calc_Property(Kind_Pw_RH, state.Pws, Least_RH));
}

float Twb_Min(const Air_State& state) { return Calc_Property(Kind_Twb, state.Tdb, Tdp_Min(state)); }

float AH_Sat(const Air_State& state) { return Calc_Property(Kind_AH, state.Patm, state.Pws); }

float Saturation_AH(float Patm, float T) { return Calc_Property(Kind_AH, Patm, Calc_Property(Kind_Pws, T)); }

float H_Min(const Air_State& state) { return engine::to_single(Dry_Air_Heat * static_cast<double>(state.Tdb)); }

float H_Sat(const Air_State& state) { return Calc_Property(Kind_H, state.Tdb, AH_Sat(state)); }

float SV_Min(const Air_State& state) { return Calc_Property(Kind_SV, state.Patm, state.Tdb, 0); }

float SV_Sat(const Air_State& state) { return Calc_Property(Kind_SV, state.Patm, state.Tdb, AH_Sat(state)); }

float Lowest_Patm() { return Calc_Property(Kind_Pws, Tdb_Range.highest); }

bool Patm_Acceptable(float P) { return P > Lowest_Patm() && P <= Highest_Patm; }

}  // namespace state
