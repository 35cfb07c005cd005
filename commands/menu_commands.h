#pragma once

#include <string>
#include <tuple>

#include "numtext/text_to_number.h"
#include "state/air_state.h"
#include "ui/connected.h"
#include "ui/form.h"

// The menu commands of both main windows, with the same steps in each. A window names its About box AboutBox and its settings dialog config, keeps the current state in
// State and shows it with Show_State.
namespace commands {

// The start-up hands over the dialogs it created after the window; the settings dialog's OK then
// applies its pressure there.
template <class Window, class About_Box, class Settings>
void Connect_Dialogs(Window& window, About_Box& about_box, Settings& settings) {
    window.AboutBox = &about_box;
    window.config = &settings;
    settings.Patm_Accepted = [&window] { window.Set_Patm(); };
}

// The main window is the application's main form: closing it ends the program, unasked.
inline void Exit_Program(ui::Form& main_window) { main_window.close(); }

template <class Window>
void Show_About(Window& window) {
    ui::connected(window.AboutBox).show_modal();
}

// Takes the pressure of the settings dialog's kPa edit and recomputes the state at it, with Tdb
// and RH held. The state and the window's pressure tables are worked out aside and taken only
// when every step went through: an error half-way leaves the window as it was. At RH 100 the dew
// point and the wet bulb are what their fits give.
template <class Window, class... Tables>
void Set_Patm(Window& window, void (*calc_tables)(float Patm, Tables&...), Tables&... tables) {
    Air_State state = window.State;
    state.Patm = numtext::text_to_single(ui::connected(window.config).edit_patm->text());
    Derive_From_Tdb_RH(state);
    std::tuple<Tables...> aside{tables...};
    std::apply([&](Tables&... computed) { calc_tables(state.Patm, computed...); }, aside);
    window.State = state;
    std::tie(tables...) = aside;
    window.Show_State();
}

}  // namespace commands
