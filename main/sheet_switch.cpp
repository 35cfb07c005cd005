#include <string_view>

#include "main/message_lines.h"
#include "main/psy.h"
#include "ui/buttons.h"
#include "ui/containers.h"

using chart::Mode_State;

namespace hygrodex {

namespace {

// What a sheet tells the user on arriving at it; the State sheet repeats the refresh's lines.
constexpr Message_Lines Process_Lines = {"You need 2 states", "to define a process", ""};
constexpr Message_Lines Pad_Lines = {"Find the efficiency or AfterPad T", "of an Evaporative cooling pad.", ""};
constexpr Message_Lines Vpd_Lines = {"Find the vapor pressure deficit", "between air and leaf.", ""};

}  // namespace

void TForm1::Take_Column(const State_Column& column) {
    Load_Column(column, State);
    Draw_Chart(Mode_State);
}

void TForm1::Take_Column_Or_Fill_It(const State_Column& column) {
    if (Holds_State(column)) Take_Column(column);
    else Show_State();
}

void TForm1::PageControl1Change(ui::Control&) {
    const ui::Tab_Sheet* page = PageControl1->active_page();
    if (page == Sheet_state) {
        Write_Message_Lines(State_Lines);
        Take_Column_Or_Fill_It(Col_state);
    } else if (page == Sheet_two) {
        Write_Message_Lines(Process_Lines);
        if (SBtn_two1->down() && Holds_State(Col_two1)) Take_Column(Col_two1);
        else if (SBtn_two2->down() && Holds_State(Col_two2)) Take_Column(Col_two2);
        else Show_State();
    } else if (page == Sheet_pad) {
        Write_Message_Lines(Pad_Lines);
        Take_Column_Or_Fill_It(Col_pad_outdoor);
        Calc_Pad();
    } else if (page == Sheet_vpd) {
        Write_Message_Lines(Vpd_Lines);
        Take_Column_Or_Fill_It(Col_vpd_air);
        Calc_VPD();
    }
}

}  // namespace hygrodex
