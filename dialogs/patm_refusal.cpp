#include "dialogs/patm_refusal.h"

#include <string>

#include "numtext/text_to_number.h"
#include "state/entry_limits.h"
#include "ui/application.h"

using state::Highest_Patm;
using state::Patm_Acceptable;

namespace dialogs {

void Keep_Open(ui::Form& dialog, ui::Edit& edit) {
    dialog.set_modal_result(ui::Mr_None);
    edit.set_focus();
}

bool Refuse_Patm(ui::Form& dialog, ui::Edit& edit_patm, const Patm_Refusal& refusal) {
    const float P = numtext::text_to_single(edit_patm.text());
    if (Patm_Acceptable(P)) return false;
    dialog.application().error_box(std::string(P > Highest_Patm ? refusal.too_high : refusal.too_low));
    Keep_Open(dialog, edit_patm);
    return true;
}

}  // namespace dialogs
