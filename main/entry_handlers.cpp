#include "main/handler_table.h"
#include "main/property_entry.h"
#include "main/psy.h"
#include "main/range_messages.h"
#include "numtext/mask_format.h"
#include "numtext/text_to_number.h"
#include "state/entry_ranges.h"
#include "ui/application.h"

using state::Too_High_Message;
using state::Too_Low_Message;
using state::Wet_Entry_Rule;

namespace hygrodex {

void TForm1::Enter_Property(Row row, const State_Column& column) {
    const std::string text = column[row].text();
    if (!text.empty()) {
        const Property_Entry& entry = property_entry(row);
        const Wet_Entry_Rule rule = &column == &Col_state ? Wet_Entry_Rule::Shown_Tdb : Wet_Entry_Rule::Stored_Tdb;
        // A text that is not a number ends the entry here, before the refresh.
        const float value = numtext::text_to_single(text);
        commands::Enter_Property(
            State, value, entry, rule,
            {.too_high = [&] { application().error_box(Too_High_Message(entry.name)); },
             .too_low = [&] { application().error_box(Too_Low_Message(entry.name)); },
             .within = [&] { return text != numtext::format_mask(shown_value(row, State), entry.change_mask); }});
    }
    Show_State();
}

// The current-state columns of the Process, Pad and VPD sheets take their entries as the State
// sheet does; Enter_Property applies the column rule of Twb and Tdp to any column but the State one.
void TForm1::Bind_Entries() {
    const auto entry = [this](Row row, const State_Column& column) {
        return [this, row, &column] { Enter_Property(row, column); };
    };
    const Handler handlers[] = {
        {"Edit_tdbExit", entry(Row::Tdb, Col_state)},
        {"Edit_rhExit", entry(Row::RH, Col_state)},
        {"Edit_twbExit", entry(Row::Twb, Col_state)},
        {"Edit_tdpExit", entry(Row::Tdp, Col_state)},
        {"Edit_ahExit", entry(Row::AH, Col_state)},
        {"Edit_hExit", entry(Row::H, Col_state)},
        {"Edit_svExit", entry(Row::SV, Col_state)},
        {"Edit_dosExit", entry(Row::DOS, Col_state)},
        {"Edit_pwExit", entry(Row::Pw, Col_state)},
        {"Edit_2tdb1Exit", entry(Row::Tdb, Col_two1)},
        {"Edit_2rh1Exit", entry(Row::RH, Col_two1)},
        {"Edit_2twb1Exit", entry(Row::Twb, Col_two1)},
        {"Edit_2tdp1Exit", entry(Row::Tdp, Col_two1)},
        {"Edit_2ah1Exit", entry(Row::AH, Col_two1)},
        {"Edit_2h1Exit", entry(Row::H, Col_two1)},
        {"Edit_2sv1Exit", entry(Row::SV, Col_two1)},
        {"Edit_2dos1Exit", entry(Row::DOS, Col_two1)},
        {"Edit_2pw1Exit", entry(Row::Pw, Col_two1)},
        {"Edit_2tdb2Exit", entry(Row::Tdb, Col_two2)},
        {"Edit_2rh2Exit", entry(Row::RH, Col_two2)},
        {"Edit_2twb2Exit", entry(Row::Twb, Col_two2)},
        {"Edit_2tdp2Exit", entry(Row::Tdp, Col_two2)},
        {"Edit_2ah2Exit", entry(Row::AH, Col_two2)},
        {"Edit_2h2Exit", entry(Row::H, Col_two2)},
        {"Edit_2sv2Exit", entry(Row::SV, Col_two2)},
        {"Edit_2dos2Exit", entry(Row::DOS, Col_two2)},
        {"Edit_2pw2Exit", entry(Row::Pw, Col_two2)},
        {"Edit_ptdb1Exit", entry(Row::Tdb, Col_pad_outdoor)},
        {"Edit_prh1Exit", entry(Row::RH, Col_pad_outdoor)},
        {"Edit_ptwb1Exit", entry(Row::Twb, Col_pad_outdoor)},
        {"Edit_ptdp1Exit", entry(Row::Tdp, Col_pad_outdoor)},
        {"Edit_pah1Exit", entry(Row::AH, Col_pad_outdoor)},
        {"Edit_ph1Exit", entry(Row::H, Col_pad_outdoor)},
        {"Edit_psv1Exit", entry(Row::SV, Col_pad_outdoor)},
        {"Edit_pdos1Exit", entry(Row::DOS, Col_pad_outdoor)},
        {"Edit_ppw1Exit", entry(Row::Pw, Col_pad_outdoor)},
        {"Edit_vtdb1Exit", entry(Row::Tdb, Col_vpd_air)},
        {"Edit_vrh1Exit", entry(Row::RH, Col_vpd_air)},
        {"Edit_vtwb1Exit", entry(Row::Twb, Col_vpd_air)},
        {"Edit_vtdp1Exit", entry(Row::Tdp, Col_vpd_air)},
        {"Edit_vah1Exit", entry(Row::AH, Col_vpd_air)},
        {"Edit_vh1Exit", entry(Row::H, Col_vpd_air)},
        {"Edit_vsv1Exit", entry(Row::SV, Col_vpd_air)},
        {"Edit_vdos1Exit", entry(Row::DOS, Col_vpd_air)},
        {"Edit_vpw1Exit", entry(Row::Pw, Col_vpd_air)},
    };
    Bind_Named_Handlers(*this, handlers);
}

}  // namespace hygrodex
