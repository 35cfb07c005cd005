#pragma once

#include "chart/chart_fields.h"
#include "chart/chart_inputs.h"
#include "ui/canvas.h"

// The six families of property lines with their labels, RH, T, AH, Pw, H and SV in this order, each
// while its switch is on. Expects the canvas's pen one pixel wide and solid, the font size 8.
void Draw_Families(ui::Canvas& canvas, const Chart_Switches& switches, const Chart_Fields& chart, float Patm);
