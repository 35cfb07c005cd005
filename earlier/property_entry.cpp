#include <string>

#include "earlier/entry_rules.h"
#include "earlier/psy.h"
#include "numtext/text_to_number.h"
#include "ui/edit.h"
#include "ui/static_controls.h"

using state::Wet_Entry_Rule;

namespace moistrel {

// No empty guard and no change test: every exit converts the shown text, so a field left as it
// was takes its cut text again. A text that is not a number stops here, before any refresh.
void TForm1::Enter_Property(Entry entry, const ui::Edit& edit) {
    const Entry_Rule& rule = Entry_Rule_Of(entry);
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

}  // namespace moistrel
