#include <string>

#include "earlier/entry_rules.h"
#include "earlier/psy.h"
#include "numtext/text_to_number.h"

namespace moistrel {

// No empty guard and no change test: every exit converts the shown text, so a field left as it
// was takes its cut text again. A text that is not a number stops here, before any refresh.
void TForm1::Enter_Property(const Entry_Rule& rule, const ui::Edit& edit) {
    const float value = numtext::text_to_single(edit.text());
    commands::Enter_Property(State, value, rule, Wet_Entry_Rule::Stored_Tdb,
                             {.too_high = [&] { Message3->set_caption(std::string(rule.too_high)); },
                              .too_low = [&] { Message3->set_caption(std::string(rule.too_low)); },
                              .within =
                                  [&] {
                                      Message3->set_caption("");
                                      return true;
                                  }});
    Show_State();
}

void TForm1::Edit_tdbExit(ui::Control&) { Enter_Property(Entry_Rule_Of(Entry::Tdb), *Edit_tdb); }
void TForm1::Edit_rhExit(ui::Control&) { Enter_Property(Entry_Rule_Of(Entry::RH), *Edit_rh); }
void TForm1::Edit_twbExit(ui::Control&) { Enter_Property(Entry_Rule_Of(Entry::Twb), *Edit_twb); }
void TForm1::Edit_tdpExit(ui::Control&) { Enter_Property(Entry_Rule_Of(Entry::Tdp), *Edit_tdp); }
void TForm1::Edit_ahExit(ui::Control&) { Enter_Property(Entry_Rule_Of(Entry::AH), *Edit_ah); }
void TForm1::Edit_dosExit(ui::Control&) { Enter_Property(Entry_Rule_Of(Entry::DOS), *Edit_dos); }
void TForm1::Edit_pwExit(ui::Control&) { Enter_Property(Entry_Rule_Of(Entry::Pw), *Edit_pw); }

}  // namespace moistrel
