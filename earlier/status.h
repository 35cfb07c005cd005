#pragma once

#include <functional>

#include "commands/menu_commands.h"
#include "ui/form.h"

namespace ui {
class Bevel;
class Button;
class Edit;
class Label;
}  // namespace ui

namespace moistrel {

// The settings dialog: the atmospheric pressure typed in kPa. Its edit's text is its only state:
// it is never refilled, so it shows what was last typed, OK or Cancel.
class Tconfig : public ui::Form {
public:
    explicit Tconfig(ui::Application& application);

private:
    // The dialog as data (status.cpp).
    struct Layout_Tables;
    // The main window's settings command reads the pressure typed here and is called back by OK.
    template <class About_Box, class Settings>
    friend void commands::Connect_Dialogs(About_Box*&, Settings*&, About_Box&, Settings&, std::function<void()>);
    template <class Settings, class... Tables>
    friend void commands::Set_Patm(state::Air_State&, const Settings*, void (*)(float, Tables&...), Tables&...);

    void Create_Layout();

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
};

}  // namespace moistrel
