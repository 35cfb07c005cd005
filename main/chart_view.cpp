#include "chart/chart_painter.h"
#include "commands/zoom_buttons.h"
#include "main/psy.h"
#include "ui/buttons.h"

using chart::Chart_Inputs;
using chart::Sheet_Point_Texts;

namespace hygrodex {

namespace {
Sheet_Point_Texts texts_of(const State_Column& column) { return {column[Row::Tdb].text(), column[Row::AH].text()}; }
}  // namespace

Chart_Inputs TForm1::chart_inputs() const {
    Chart_Inputs inputs;
    inputs.switches = {Check_auto->checked(), Check_unit->checked(), Check_RH->checked(), Check_T->checked(),
                       Check_AH->checked(),   Check_Pw->checked(),   Check_H->checked(),  Check_SV->checked()};
    inputs.process_1 = texts_of(Col_two1);
    inputs.process_2 = texts_of(Col_two2);
    inputs.pad_after = texts_of(Col_pad_after);
    inputs.vpd_leaf = texts_of(Col_vpd_leaf);
    return inputs;
}

void TForm1::Draw_Chart(int mode) {
    commands::Apply_Outcome(Painter.Draw_Chart(chart_inputs(), *Chart_Image, Chart, State, mode), *ZoomOut);
}

}  // namespace hygrodex
