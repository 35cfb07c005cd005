#pragma once

#include <functional>

#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/static_controls.h"

namespace moistrel {

// The settings dialog: the atmospheric pressure typed in kPa. Its edit's text is its only state:
// it is never refilled, so it shows what was last typed, OK or Cancel.
class Tconfig : public ui::Form {
public:
    explicit Tconfig(ui::Application& application);

    // The characters of a number pass silently; Enter presses OK, the default button.
    void edit_patmEnter(ui::Control& sender, char& key);
    // Applies the typed pressure. One at or below the saturation pressure at the chart's highest
    // dry bulb, or above ten atmospheres, is refused with a box, and the dialog stays open on the
    // edit.
    void OKBtnClick(ui::Control& sender);

    // Applies the pressure that edit_patm shows; OK calls it once that pressure has passed.
    std::function<void()> Patm_Accepted;

    ui::Bevel* Bevel1 = nullptr;
    ui::Label* Label1 = nullptr;
    ui::Label* Label2 = nullptr;
    ui::Button* OKBtn = nullptr;
    ui::Button* CancelBtn = nullptr;
    ui::Edit* edit_patm = nullptr;

private:
    void Create_Layout();
};

}  // namespace moistrel
