#pragma once

#include <string_view>

#include "ui/edit.h"
#include "ui/form.h"

namespace dialogs {

// The boxes of OK's test of the pressure that a settings dialog's kPa edit shows, in each
// program's language.
struct Patm_Refusal {
    std::string_view too_low;
    std::string_view too_high;
};

// A refused OK: the dialog stays open with the focus on the edit to correct.
void Keep_Open(ui::Form& dialog, ui::Edit& edit);

// Refuses the edit's pressure outside the range both programs take (Patm_Acceptable) with its box
// and keeps the dialog open on the edit; returns whether it did. A text that is not a number stops
// here.
bool Refuse_Patm(ui::Form& dialog, ui::Edit& edit_patm, const Patm_Refusal& refusal);

}  // namespace dialogs
