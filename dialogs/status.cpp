#include "dialogs/status.h"

#include <limits>
#include <string>
#include <utility>

#include "dialogs/patm_refusal.h"
#include "numtext/mask_format.h"
#include "numtext/number_keys.h"
#include "numtext/text_to_number.h"
#include "ui/calling.h"

namespace dialogs {

namespace {

constexpr std::string_view Pressure_Mask = "###0.###";
constexpr std::string_view Elevation_Mask = "###0.";

constexpr float No_Limit = std::numeric_limits<float>::infinity();
// The fits hold up to about this height; above it they drift apart (9000 m comes back from its
// pressure as 8925 m), and its pressure is below what OK accepts anyway.
constexpr float Highest_Elevation_m = 9000;
constexpr float Highest_Elevation_ft = 29528;
// Far below the sea the fit of the pressure grows without bound and overflows; 5000 m down is
// already deeper than any air a user stands in.
constexpr float Lowest_Elevation_m = -5000;
constexpr float Lowest_Elevation_ft = -16404;

constexpr const char* Elevation_Too_High = "Elevation is too high. Please reinput!!";
constexpr const char* Elevation_Too_Low = "Elevation is too low. Please reinput!!";
constexpr std::string_view Patm_Too_Low = "Patm is too low. Please reinput!!";
constexpr std::string_view Patm_Too_High = "Patm is too high. Please reinput!!";

}  // namespace

// In the order of the edits: the order in which a conversion writes the other three.
const Tconfig::Unit Tconfig::Units[4] = {
    {&Tconfig::edit_patm, &Tconfig::Patm_kPa, &Pressure_Set::kPa, Pressure_Mask, From_kPa, -No_Limit, No_Limit},
    {&Tconfig::edit_psi, &Tconfig::Patm_psi, &Pressure_Set::psi, Pressure_Mask, From_psi, -No_Limit, No_Limit},
    {&Tconfig::edit_m, &Tconfig::Elev_m, &Pressure_Set::m, Elevation_Mask, From_m, Lowest_Elevation_m,
     Highest_Elevation_m},
    {&Tconfig::edit_ft, &Tconfig::Elev_ft, &Pressure_Set::ft, Elevation_Mask, From_ft, Lowest_Elevation_ft,
     Highest_Elevation_ft},
};

Tconfig::Tconfig(ui::Application& application) : ui::Form(application, "config") {
    Create_Layout();
    Bind_Handlers();
    FormCreate();
}

void Tconfig::Bind_Handlers() {
    const std::pair<ui::Edit*, void (Tconfig::*)(ui::Control&)> exits[] = {
        {edit_patm, &Tconfig::edit_patmExit},
        {edit_psi, &Tconfig::edit_psiExit},
        {edit_m, &Tconfig::edit_mExit},
        {edit_ft, &Tconfig::edit_ftExit},
    };
    for (const auto& [edit, handler] : exits) {
        edit->OnExit = ui::calling(this, handler);
        edit->OnKeyPress = ui::calling(this, &Tconfig::edit_KeyPress);
    }
    OKBtn->OnClick = ui::calling(this, &Tconfig::OKBtnClick);
}

void Tconfig::FormCreate() {
    for (const Unit& unit : Units) this->*unit.stored = numtext::text_to_single((this->*unit.edit)->text());
}

void Tconfig::Fill_From_Patm(float P) {
    const Pressure_Set set = From_kPa(P);
    for (const Unit& unit : Units) (this->*unit.edit)->set_text(numtext::format_mask(set.*unit.value, unit.mask));
    Refused_Elevation = nullptr;
}

void Tconfig::edit_patmExit(ui::Control&) { Leave(Units[0]); }
void Tconfig::edit_psiExit(ui::Control&) { Leave(Units[1]); }
void Tconfig::edit_mExit(ui::Control&) { Leave(Units[2]); }
void Tconfig::edit_ftExit(ui::Control&) { Leave(Units[3]); }

// Whichever control was to receive the focus, every exit ends on OK; a text that is not a
// number stops the exit before that, and the focus stays.
void Tconfig::Leave(const Unit& unit) {
    ui::Edit& edit = *(this->*unit.edit);
    if (Refused_Elevation == &edit) Refused_Elevation = nullptr;
    if (!edit.text().empty()) Convert(unit, edit);
    OKBtn->set_focus();
}

void Tconfig::Convert(const Unit& unit, ui::Edit& edit) {
    const float value = numtext::text_to_single(edit.text());
    if (value > unit.highest || value < unit.lowest) {
        application().error_box(value > unit.highest ? Elevation_Too_High : Elevation_Too_Low);
        Refused_Elevation = &edit;
        return;
    }
    // Unchanged against the value of the last OK, whatever the edit showed before.
    if (edit.text() == numtext::format_mask(this->*unit.stored, unit.mask)) return;
    Write_Others(unit, unit.convert(value));
}

void Tconfig::Write_Others(const Unit& unit, const Pressure_Set& set) {
    for (const Unit& other : Units) {
        if (&other == &unit) continue;
        ui::Edit& edit = *(this->*other.edit);
        edit.set_text(numtext::format_mask(set.*other.value, other.mask));
        if (Refused_Elevation == &edit) Refused_Elevation = nullptr;
    }
}

// The edits lie in the group boxes, so Enter moves to the second of the dialog's own controls,
// Cancel; the edit's exit then moves on to OK.
void Tconfig::edit_KeyPress(ui::Control&, char& key) {
    numtext::filter_number_key(
        key, [] {}, [this] { CancelBtn->set_focus(); });
}

void Tconfig::OKBtnClick(ui::Control&) {
    // That elevation was reported when its edit was left; the dialog waits for a new one.
    if (Refused_Elevation) return Keep_Open(*this, *Refused_Elevation);
    if (Refuse_Patm(*this, *edit_patm, {Patm_Too_Low, Patm_Too_High})) return;
    // A text that is not a number stops here: the fields before it keep their new values, the
    // pressure is not applied, and the dialog closes as OK set it to.
    for (const Unit& unit : Units) this->*unit.stored = numtext::text_to_single((this->*unit.edit)->text());
    if (Patm_Accepted) Patm_Accepted();
}

}  // namespace dialogs
