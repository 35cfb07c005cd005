#include "main/property_entry.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "engine/float_env.h"
#include "state/entry_chains.h"
#include "state/entry_ranges.h"

using state::AH_Sat;
using state::Air_State;
using state::Enter_AH;
using state::Enter_DOS;
using state::Enter_H;
using state::Enter_Pw;
using state::Enter_RH;
using state::Enter_SV;
using state::Enter_Tdb;
using state::Enter_Tdp;
using state::Enter_Twb;
using state::H_Min;
using state::H_Sat;
using state::Percent_Range;
using state::SV_Min;
using state::SV_Sat;
using state::Tdb_Range;
using state::Tdp_Min;
using state::Twb_Min;
using state::Wet_Entry_Rule;
using state::Wet_Entry_Top;

namespace hygrodex {

namespace {

using commands::fixed;
using commands::highest;
using commands::lowest;
using commands::of_state;
using commands::ruleless;

// The degree of saturation is typed in % and held as a fraction.
constexpr long double Percent = 0.01L;

void dos_in_percent(Air_State& s, float value, Wet_Entry_Rule) { Enter_DOS(s, engine::to_single(Percent * value)); }

constexpr std::string_view mask_of(Row row) { return row_info(row).mask; }

const Property_Entry Entries[] = {
    {{false, highest<Tdb_Range>, lowest<Tdb_Range>, ruleless<Enter_Tdb>}, Row::Tdb, "Tdb", mask_of(Row::Tdb)},
    {{false, highest<Percent_Range>, lowest<Percent_Range>, ruleless<Enter_RH>}, Row::RH, "RH", mask_of(Row::RH)},
    {{true, Wet_Entry_Top, of_state<Twb_Min>, Enter_Twb}, Row::Twb, "Twb", mask_of(Row::Twb)},
    {{false, Wet_Entry_Top, of_state<Tdp_Min>, Enter_Tdp}, Row::Tdp, "Tdp", mask_of(Row::Tdp)},
    {{false, of_state<AH_Sat>, fixed<0.0f>, ruleless<Enter_AH>}, Row::AH, "AH", mask_of(Row::AH)},
    // Shown with three decimals, compared with four.
    {{false, of_state<H_Sat>, of_state<H_Min>, ruleless<Enter_H>}, Row::H, "H", "###0.####"},
    {{false, of_state<SV_Sat>, of_state<SV_Min>, ruleless<Enter_SV>}, Row::SV, "SV", mask_of(Row::SV)},
    {{false, highest<Percent_Range>, lowest<Percent_Range>, dos_in_percent}, Row::DOS, "dos", mask_of(Row::DOS)},
    {{false, of_state<commands::Stored_Pws>, fixed<0.0f>, ruleless<Enter_Pw>}, Row::Pw, "Pw", mask_of(Row::Pw)},
};

}  // namespace

const Property_Entry& property_entry(Row row) {
    const auto* found = std::find_if(std::begin(Entries), std::end(Entries),
                                     [row](const Property_Entry& entry) { return entry.row == row; });
    if (found == std::end(Entries)) throw std::logic_error("the row takes no entry: " + std::string(row_info(row).tag));
    return *found;
}

}  // namespace hygrodex
