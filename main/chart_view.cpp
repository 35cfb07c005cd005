#include "main/psy.h"

Chart_Controls TForm1::chart_controls() const {
    return {*Chart_Image, *Check_auto, *Check_unit, *Check_RH, *Check_T, *Check_AH, *Check_Pw, *Check_H, *Check_SV,
            *ZoomOut, Col_two1[Row::Tdb], Col_two1[Row::AH], Col_two2[Row::Tdb], Col_two2[Row::AH],
            Col_pad_after[Row::Tdb], Col_pad_after[Row::AH], Col_vpd_leaf[Row::Tdb], Col_vpd_leaf[Row::AH]};
}

void TForm1::Draw_Chart(int mode) { ::Draw_Chart(chart_controls(), Chart, State, mode); }
