#pragma once

#include <functional>
#include <string>
#include <tuple>
#include <utility>

#include "numtext/text_to_number.h"
#include "state/air_state.h"
#include "ui/connected.h"
#include "ui/form.h"

// The menu commands of both main windows, with the same steps in each. Each takes the pieces of
// the window it works on, so that the window keeps them private.
namespace commands {

// The start-up hands over the dialogs it created after the window, which keeps them; the settings
// dialog's OK then applies its pressure through apply_patm.
template <class About_Box, class Settings>
void Connect_Dialogs(About_Box*& kept_about_box, Settings*& kept_settings, About_Box& about_box, Settings& settings,
                     std::function<void()> apply_patm) {
    kept_about_box = &about_box;
    kept_settings = &settings;
    settings.Patm_Accepted = std::move(apply_patm);
}

// The main window is the application's main form: closing it ends the program, unasked.
inline void Exit_Program(ui::Form& main_window) { main_window.close(); }

template <class About_Box>
void Show_About(About_Box* about_box) {
    ui::connected(about_box).show_modal();
}

// Takes the pressure of the settings dialog's kPa edit and recomputes the state at it, with Tdb
// and RH held. The state and the window's pressure tables are worked out aside and taken only
// when every step went through: an error half-way leaves the window as it was. At RH 100 the dew
// point and the wet bulb are what their fits give. The window shows the new state afterwards.
template <class Settings, class... Tables>
void Set_Patm(state::Air_State& window_state, const Settings* settings, void (*calc_tables)(float Patm, Tables&...),
              Tables&... tables) {
    state::Air_State state = window_state;
    state.Patm = numtext::text_to_single(ui::connected(settings).edit_patm->text());
    state::Derive_From_Tdb_RH(state);
    std::tuple<Tables...> aside{tables...};
    std::apply([&](Tables&... computed) { calc_tables(state.Patm, computed...); }, aside);
    window_state = state;
    std::tie(tables...) = aside;
}

}  // namespace commands
