#include <string_view>

#include "main/psy.h"

namespace {

// What a sheet tells the user on arriving at it.
struct Sheet_Lines {
    std::string_view first;
    std::string_view second;
    std::string_view third;
};

constexpr Sheet_Lines State_Lines = {"In addition to Patm,", "you still need 2 properties to", "define a state."};
constexpr Sheet_Lines Process_Lines = {"You need 2 states", "to define a process", ""};
constexpr Sheet_Lines Pad_Lines = {"Find the efficiency or AfterPad T", "of an Evaporative cooling pad.", ""};
constexpr Sheet_Lines Vpd_Lines = {"Find the vapor pressure deficit", "between air and leaf.", ""};

void write_lines(TForm1& form, const Sheet_Lines& lines) {
    form.Message1->set_caption(std::string(lines.first));
    form.Message2->set_caption(std::string(lines.second));
    form.Message3->set_caption(std::string(lines.third));
}

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
    const std::string& page = PageControl1->active_page()->caption();
    if (page == "State") {
        write_lines(*this, State_Lines);
        take_column_or_fill_it(*this, Col_state);
    } else if (page == "Process") {
        write_lines(*this, Process_Lines);
        if (SBtn_two1->down() && Holds_State(Col_two1)) take_column(*this, Col_two1);
        else if (SBtn_two2->down() && Holds_State(Col_two2)) take_column(*this, Col_two2);
        else Show_State();
    } else if (page == "Pad") {
        write_lines(*this, Pad_Lines);
        take_column_or_fill_it(*this, Col_pad_outdoor);
        Calc_Pad();
    } else if (page == "VPD") {
        write_lines(*this, Vpd_Lines);
        take_column_or_fill_it(*this, Col_vpd_air);
        Calc_VPD();
    }
}
