#include "main/property_entry.h"

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "engine/float_env.h"
#include "engine/property.h"
#include "state/entry_limits.h"
#include "state/state_steps.h"
#include "numtext/mask_format.h"
#include "numtext/text_to_number.h"

namespace {

using engine::divide;
using engine::to_single;

// The constants of the inline formulas. The double-precision ones are widened from their double
// values, so the arithmetic runs in extended precision on exactly those numbers.
constexpr long double Gas_Constant_Air = 287.05518; // J/(kg K)
constexpr long double Kelvin_Offset = 273.15;
constexpr long double Vapour_Ratio = 0.62198;       // molar mass of water over dry air
// 1 / 1.6078 to 15 significant digits: inverts the specific volume's (1 + 1.6078 AH).
constexpr long double Inverse_Volume_Factor = 0.621967906456027L;
constexpr long double Percent = 0.01L;

// An entry below the shown Tdb by less than this counts as saturated air.
constexpr double Saturation_Band = 0.01;

// ---- Steps: each stores one field from fields already stored ----

void pws_from_tdb(Air_State& s) { s.Pws = Calc_Property(Kind_Pws, s.Tdb); }
void pw_from_rh(Air_State& s) { s.Pw = Calc_Property(Kind_Pw_RH, s.Pws, s.RH); }
void pw_from_ah(Air_State& s) { s.Pw = Calc_Property(Kind_Pw_AH, s.Patm, s.AH); }
void pw_from_tdp(Air_State& s) { s.Pw = Calc_Property(Kind_Pws, s.Tdp); }
void rh_from_pw(Air_State& s) { s.RH = RH_From_Pw(s.Pw, s.Pws); }
void ah_from_pw(Air_State& s) { s.AH = Calc_Property(Kind_AH, s.Patm, s.Pw); }
void tdp_from_pw(Air_State& s) { s.Tdp = Dew_Point(s); }
void twb_from_tdp(Air_State& s) { s.Twb = Calc_Property(Kind_Twb, s.Tdb, s.Tdp); }
void sv_from_ah(Air_State& s) { s.SV = Calc_Property(Kind_SV, s.Patm, s.Tdb, s.AH); }
void hfg_from_tdb(Air_State& s) { s.Hfg = Calc_Property(Kind_Hfg, s.Tdb); }
void dos_from_pw(Air_State& s) { s.DOS = Calc_Property(Kind_DOS, s.Patm, s.Pws, s.Pw); }
void h_from_ah(Air_State& s) { s.H = Calc_Property(Kind_H, s.Tdb, s.AH); }

// The inverse of Kind_H in AH.
void ah_from_h(Air_State& s) { s.AH = AH_From_H(s.Tdb, s.H); }

// The inverse of Kind_SV in AH.
void ah_from_sv(Air_State& s) {
    const long double dry_air_volume =
        divide(1000.0L * s.Patm * s.SV, Gas_Constant_Air * (s.Tdb + Kelvin_Offset));
    s.AH = to_single((dry_air_volume - 1) * Inverse_Volume_Factor);
}

// The degree of saturation times the saturation humidity ratio.
void ah_from_dos(Air_State& s) {
    s.AH = to_single(divide(Vapour_Ratio * s.Pws * s.DOS, static_cast<long double>(s.Patm) - s.Pws));
}

using Step = void (*)(Air_State&);

void run(Air_State& s, std::initializer_list<Step> steps) {
    for (Step step : steps) step(s);
}

void saturate(Air_State& s) {
    s.RH = 100;
    Set_Saturated(s);
}

// Tdb as the State sheet shows it, read back from its text: Tdb rounded to two decimals.
double shown_tdb(const Air_State& s) {
    return static_cast<double>(numtext::text_to_float(numtext::format_mask(s.Tdb, row_info(Row::Tdb).mask)));
}

bool saturated_below_shown_tdb(const Air_State& s, float value, Entry_Rule rule) {
    return rule == Entry_Rule::State_Sheet && shown_tdb(s) - value < Saturation_Band;
}

// ---- Chains: store the entered value, then derive what depends on it ----

void derive_from_tdb_and_rh(Air_State& s) {
    pws_from_tdb(s);
    if (s.RH == 100) Set_Saturated(s);
    else run(s, {pw_from_rh, tdp_from_pw, twb_from_tdp});
    Derive_Common_Tail(s);
}

void store_tdb(Air_State& s, float value, Entry_Rule) {
    s.Tdb = value;
    derive_from_tdb_and_rh(s);
}

void store_rh(Air_State& s, float value, Entry_Rule) {
    s.RH = value == 0 ? Dry_Air_RH : value;
    derive_from_tdb_and_rh(s);
}

void store_twb(Air_State& s, float value, Entry_Rule rule) {
    s.Twb = value;
    if (saturated_below_shown_tdb(s, value, rule)) {
        saturate(s);
    } else {
        s.RH = RH_From_Twb(s, value);
        run(s, {pw_from_rh, tdp_from_pw});
    }
    Derive_Common_Tail(s);
}

void store_tdp(Air_State& s, float value, Entry_Rule rule) {
    s.Tdp = value;
    if (saturated_below_shown_tdb(s, value, rule)) saturate(s);
    else run(s, {pw_from_tdp, rh_from_pw, twb_from_tdp});
    Derive_Common_Tail(s);
}

void store_ah(Air_State& s, float value, Entry_Rule) {
    s.AH = value;
    run(s, {pw_from_ah, rh_from_pw, tdp_from_pw, sv_from_ah, twb_from_tdp, hfg_from_tdb, dos_from_pw, h_from_ah});
}

void store_h(Air_State& s, float value, Entry_Rule) {
    s.H = value;
    run(s, {ah_from_h, pw_from_ah, rh_from_pw, tdp_from_pw, sv_from_ah, twb_from_tdp, hfg_from_tdb, dos_from_pw});
}

void store_sv(Air_State& s, float value, Entry_Rule) {
    s.SV = value;
    run(s, {ah_from_sv, pw_from_ah, rh_from_pw, tdp_from_pw, twb_from_tdp, hfg_from_tdb, dos_from_pw, h_from_ah});
}

// Typed in %, held as a fraction; the fraction is then replaced by the one of the derived Pw.
void store_dos(Air_State& s, float value, Entry_Rule) {
    s.DOS = to_single(Percent * value);
    run(s, {ah_from_dos, pw_from_ah, rh_from_pw, tdp_from_pw, sv_from_ah, twb_from_tdp, hfg_from_tdb, dos_from_pw,
            h_from_ah});
}

void store_pw(Air_State& s, float value, Entry_Rule) {
    s.Pw = value;
    run(s, {rh_from_pw, ah_from_pw, tdp_from_pw, sv_from_ah, twb_from_tdp, hfg_from_tdb, dos_from_pw, h_from_ah});
}

// ---- Limits at the stored state ----

template <float Limit>
double fixed(const Air_State&, Entry_Rule) {
    return Limit;
}

template <float (*Limit)(const Air_State&)>
double of_state(const Air_State& s, Entry_Rule) {
    return Limit(s);
}

double wet_top(const Air_State& s, Entry_Rule rule) { return rule == Entry_Rule::State_Sheet ? shown_tdb(s) : s.Tdb; }
double pw_top(const Air_State& s, Entry_Rule) { return s.Pws; }

constexpr std::string_view mask_of(Row row) { return row_info(row).mask; }

const Property_Entry Entries[] = {
    {Row::Tdb, "Tdb", mask_of(Row::Tdb), false, fixed<70.0f>, fixed<-40.0f>, store_tdb},
    {Row::RH, "RH", mask_of(Row::RH), false, fixed<100.0f>, fixed<0.0f>, store_rh},
    {Row::Twb, "Twb", mask_of(Row::Twb), true, wet_top, of_state<Twb_Min>, store_twb},
    {Row::Tdp, "Tdp", mask_of(Row::Tdp), false, wet_top, of_state<Tdp_Min>, store_tdp},
    {Row::AH, "AH", mask_of(Row::AH), false, of_state<AH_Sat>, fixed<0.0f>, store_ah},
    // Shown with three decimals, compared with four.
    {Row::H, "H", "###0.####", false, of_state<H_Sat>, of_state<H_Min>, store_h},
    {Row::SV, "SV", mask_of(Row::SV), false, of_state<SV_Sat>, of_state<SV_Min>, store_sv},
    {Row::DOS, "dos", mask_of(Row::DOS), false, fixed<100.0f>, fixed<0.0f>, store_dos},
    {Row::Pw, "Pw", mask_of(Row::Pw), false, pw_top, fixed<0.0f>, store_pw},
};

}  // namespace

const Property_Entry& property_entry(Row row) {
    const auto* found = std::find_if(std::begin(Entries), std::end(Entries),
                                     [row](const Property_Entry& entry) { return entry.row == row; });
    if (found == std::end(Entries)) throw std::logic_error("the row takes no entry: " + std::string(row_info(row).tag));
    return *found;
}
