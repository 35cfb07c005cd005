#include "main/property_entry.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "engine/float_env.h"
#include "state/entry_chains.h"
#include "state/entry_ranges.h"

namespace {

// The degree of saturation is typed in % and held as a fraction.
constexpr long double Percent = 0.01L;

// A chain that no wet-entry rule concerns.
template <void (*Chain)(Air_State&, float)>
void ruleless(Air_State& s, float value, Wet_Entry_Rule) {
    Chain(s, value);
}

void dos_in_percent(Air_State& s, float value, Wet_Entry_Rule) { Enter_DOS(s, engine::to_single(Percent * value)); }

template <float Limit>
double fixed(const Air_State&, Wet_Entry_Rule) {
    return Limit;
}

template <const Entry_Range& Range>
double highest(const Air_State&, Wet_Entry_Rule) {
    return Range.highest;
}

template <const Entry_Range& Range>
double lowest(const Air_State&, Wet_Entry_Rule) {
    return Range.lowest;
}

template <float (*Limit)(const Air_State&)>
double of_state(const Air_State& s, Wet_Entry_Rule) {
    return Limit(s);
}

double pw_top(const Air_State& s, Wet_Entry_Rule) { return s.Pws; }

constexpr std::string_view mask_of(Row row) { return row_info(row).mask; }

const Property_Entry Entries[] = {
    {Row::Tdb, "Tdb", mask_of(Row::Tdb), false, highest<Tdb_Range>, lowest<Tdb_Range>, ruleless<Enter_Tdb>},
    {Row::RH, "RH", mask_of(Row::RH), false, highest<Percent_Range>, lowest<Percent_Range>, ruleless<Enter_RH>},
    {Row::Twb, "Twb", mask_of(Row::Twb), true, Wet_Entry_Top, of_state<Twb_Min>, Enter_Twb},
    {Row::Tdp, "Tdp", mask_of(Row::Tdp), false, Wet_Entry_Top, of_state<Tdp_Min>, Enter_Tdp},
    {Row::AH, "AH", mask_of(Row::AH), false, of_state<AH_Sat>, fixed<0.0f>, ruleless<Enter_AH>},
    // Shown with three decimals, compared with four.
    {Row::H, "H", "###0.####", false, of_state<H_Sat>, of_state<H_Min>, ruleless<Enter_H>},
    {Row::SV, "SV", mask_of(Row::SV), false, of_state<SV_Sat>, of_state<SV_Min>, ruleless<Enter_SV>},
    {Row::DOS, "dos", mask_of(Row::DOS), false, highest<Percent_Range>, lowest<Percent_Range>, dos_in_percent},
    {Row::Pw, "Pw", mask_of(Row::Pw), false, pw_top, fixed<0.0f>, ruleless<Enter_Pw>},
};

}  // namespace

const Property_Entry& property_entry(Row row) {
    const auto* found = std::find_if(std::begin(Entries), std::end(Entries),
                                     [row](const Property_Entry& entry) { return entry.row == row; });
    if (found == std::end(Entries)) throw std::logic_error("the row takes no entry: " + std::string(row_info(row).tag));
    return *found;
}
