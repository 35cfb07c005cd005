#include "main/message_lines.h"
#include "main/psy.h"
#include "ui/buttons.h"
#include "ui/containers.h"

using chart::Mode_State;

namespace hygrodex {

void TForm1::Show_State() {
    Write_Message_Lines(State_Lines);

    // The sheets are told apart by the layout's own fields, not by their captions.
    const ui::Tab_Sheet* page = PageControl1->active_page();
    if (page == Sheet_state) {
        Write_Column(Col_state, State);
    } else if (page == Sheet_two) {
        // Tested one after the other: a column whose button is up keeps its texts.
        if (SBtn_two1->down()) Write_Column(Col_two1, State);
        if (SBtn_two2->down()) Write_Column(Col_two2, State);
    } else if (page == Sheet_pad) {
        // The AfterPad column (and on the VPD sheet the deficit) follows every new state.
        Calc_Pad();
        Write_Column(Col_pad_outdoor, State);
    } else if (page == Sheet_vpd) {
        Calc_VPD();
        Write_Column(Col_vpd_air, State);
    }
    Draw_Chart(Mode_State);
}

}  // namespace hygrodex
