#pragma once

#include "chart/chart_fields.h"

namespace chart {

// The builders of the line tables. The first two depend on the pressure only; the other four on
// the axis of the drawing (Tmax_Index) too, and for entry 111 on the current state.
void Calc_RHCurves(Chart_Fields& chart, float Patm);
void Calc_TLines(Chart_Fields& chart);
void Calc_AHLines(Chart_Fields& chart);
void Calc_PwLines(Chart_Fields& chart, float Patm);
void Calc_HLines(Chart_Fields& chart, float H, float Twb);
void Calc_SVLines(Chart_Fields& chart, float Patm, float SV);

}  // namespace chart
