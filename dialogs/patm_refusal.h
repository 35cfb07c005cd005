#pragma once

#include <string_view>

#include "ui/edit.h"
#include "ui/form.h"

// OK's test of the pressure that a settings dialog's kPa edit shows, in both programs' dialogs.
struct Patm_Refusal {
    float highest;  // the highest pressure OK takes, in kPa
    std::string_view too_low;
    std::string_view too_high;
};

// Whether OK takes a pressure of P kPa: above the saturation pressure at the chart's highest dry
// bulb, so that the chart's states stay below it, and at most the highest.
bool Patm_Within(float P, float highest);

// A refused OK: the dialog stays open with the focus on the edit to correct.
void Keep_Open(ui::Form& dialog, ui::Edit& edit);

// Refuses the edit's pressure beyond the bounds with its box and keeps the dialog open on the
// edit; returns whether it did. A text that is not a number stops here.
bool Refuse_Patm(ui::Form& dialog, ui::Edit& edit_patm, const Patm_Refusal& refusal);
