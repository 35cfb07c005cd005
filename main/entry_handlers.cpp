#include "main/property_entry.h"
#include "main/psy.h"
#include "main/range_messages.h"
#include "numtext/mask_format.h"
#include "numtext/text_to_number.h"
#include "state/entry_ranges.h"

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

void TForm1::Edit_tdbExit(ui::Control&) { Enter_Property(Row::Tdb, Col_state); }
void TForm1::Edit_rhExit(ui::Control&) { Enter_Property(Row::RH, Col_state); }
void TForm1::Edit_twbExit(ui::Control&) { Enter_Property(Row::Twb, Col_state); }
void TForm1::Edit_tdpExit(ui::Control&) { Enter_Property(Row::Tdp, Col_state); }
void TForm1::Edit_ahExit(ui::Control&) { Enter_Property(Row::AH, Col_state); }
void TForm1::Edit_hExit(ui::Control&) { Enter_Property(Row::H, Col_state); }
void TForm1::Edit_svExit(ui::Control&) { Enter_Property(Row::SV, Col_state); }
void TForm1::Edit_dosExit(ui::Control&) { Enter_Property(Row::DOS, Col_state); }
void TForm1::Edit_pwExit(ui::Control&) { Enter_Property(Row::Pw, Col_state); }
