#pragma once

#include "chart/chart_fields.h"
#include "chart/chart_inputs.h"
#include "chart/label_memo.h"
#include "ui/canvas.h"

namespace chart {

// Paints the six families of property lines with their labels, RH, T, AH, Pw, H and SV in this
// order, each while its switch is on. It keeps the label texts it made for the next drawing: the AH
// and Pw labels by their family's base value, the H and SV labels by the pressure.
class Family_Painter {
public:
    Family_Painter();

    // Expects the canvas's pen one pixel wide and solid, the font size 8.
    void Draw_Families(ui::Canvas& canvas, const Chart_Switches& switches, const Chart_Fields& chart, float Patm);

private:
    Label_Memo<Level_Count> ah_labels_;
    Label_Memo<Level_Count> pw_labels_;
    Label_Memo<Line_Count> h_labels_;
    Label_Memo<Line_Count> sv_labels_;
};

}  // namespace chart
