#include <string_view>

#include "main/message_lines.h"
#include "main/psy.h"

namespace {

// What a sheet tells the user on arriving at it; the State sheet repeats the refresh's lines.
constexpr Message_Lines Process_Lines = {"You need 2 states", "to define a process", ""};
constexpr Message_Lines Pad_Lines = {"Find the efficiency or AfterPad T", "of an Evaporative cooling pad.", ""};
constexpr Message_Lines Vpd_Lines = {"Find the vapor pressure deficit", "between air and leaf.", ""};

// The column becomes the current state as it is shown, and the chart follows it.
void take_column(TForm1& form, const State_Column& column) {
    Load_Column(column, form.State);
    form.Draw_Chart(Mode_State);
}

// A column without a state is given the current one instead.
void take_column_or_fill_it(TForm1& form, const State_Column& column) {
    if (Holds_State(column)) take_column(form, column);
    else form.Show_State();
}

}  // namespace

void TForm1::PageControl1Change(ui::Control&) {
    const ui::Tab_Sheet* page = PageControl1->active_page();
    if (page == Sheet_state) {
        Write_Message_Lines(*this, State_Lines);
        take_column_or_fill_it(*this, Col_state);
    } else if (page == Sheet_two) {
        Write_Message_Lines(*this, Process_Lines);
        if (SBtn_two1->down() && Holds_State(Col_two1)) take_column(*this, Col_two1);
        else if (SBtn_two2->down() && Holds_State(Col_two2)) take_column(*this, Col_two2);
        else Show_State();
    } else if (page == Sheet_pad) {
        Write_Message_Lines(*this, Pad_Lines);
        take_column_or_fill_it(*this, Col_pad_outdoor);
        Calc_Pad();
    } else if (page == Sheet_vpd) {
        Write_Message_Lines(*this, Vpd_Lines);
        take_column_or_fill_it(*this, Col_vpd_air);
        Calc_VPD();
    }
}
