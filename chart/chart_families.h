#pragma once

#include "chart/chart_fields.h"
#include "chart/chart_painter.h"

// The six families of property lines with their labels, RH, T, AH, Pw, H and SV in this order, each
// while its check box is ticked. Expects the canvas's pen one pixel wide and solid, the font size 8.
void Draw_Families(const Chart_Controls& controls, const Chart_Fields& chart, float Patm);
