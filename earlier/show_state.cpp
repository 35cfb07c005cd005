#include <cstddef>

#include "earlier/psy.h"
#include "earlier/shown_text.h"
#include "ui/edit.h"

using state::Air_State;

namespace moistrel {

namespace {

constexpr std::size_t Shown_Characters = 6;
constexpr std::size_t Shown_Hfg_Characters = 7;

struct Shown_Field {
    ui::Edit* TForm1::*edit;
    float Air_State::*value;
    std::size_t characters;
};

}  // namespace

void TForm1::Show_State() {
    // In the order the panel is written; DOS is shown as the fraction it is held as.
    constexpr Shown_Field Shown_Fields[] = {
        {&TForm1::Edit_tdb, &Air_State::Tdb, Shown_Characters},
        {&TForm1::Edit_rh, &Air_State::RH, Shown_Characters},
        {&TForm1::Edit_twb, &Air_State::Twb, Shown_Characters},
        {&TForm1::Edit_tdp, &Air_State::Tdp, Shown_Characters},
        {&TForm1::Edit_ah, &Air_State::AH, Shown_Characters},
        {&TForm1::Edit_h, &Air_State::H, Shown_Characters},
        {&TForm1::Edit_sv, &Air_State::SV, Shown_Characters},
        {&TForm1::Edit_hfg, &Air_State::Hfg, Shown_Hfg_Characters},
        {&TForm1::Edit_dos, &Air_State::DOS, Shown_Characters},
        {&TForm1::Edit_pws, &Air_State::Pws, Shown_Characters},
        {&TForm1::Edit_pw, &Air_State::Pw, Shown_Characters},
    };
    for (const Shown_Field& field : Shown_Fields)
        (this->*field.edit)->set_text(Shown_Text(State.*field.value, field.characters));
    Draw_Chart();
}

}  // namespace moistrel
