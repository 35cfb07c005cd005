#pragma once

#include "chart/chart_fields.h"
#include "chart/chart_point.h"

namespace chart {

// The inverse of the pixel mapping, for a pointer position in whole image pixels, with the axis
// and scales of the last drawing: the temperature under x (the right edge's for the label band,
// never below Lowest_Temperature), and the humidity ratio under y turned into a vapour pressure
// at Patm. On or below the bottom axis the point is the driest state; above the saturation curve
// it is the saturated state (RH exactly 100).
Chart_Point Map_Pixel(const Chart_Fields& chart, float Patm, int X, int Y);

// The two halves of the mapping, for moves that keep one coordinate of the state.
// The temperature under column X.
float Column_Temperature(const Chart_Fields& chart, int X);
// The vapour pressure and RH under row Y at the point's temperature, whose Pws the point holds.
void Read_Row(const Chart_Fields& chart, float Patm, int Y, Chart_Point& point);

// Gives the point a vapour pressure and the RH it makes with the point's Pws, at most 100.
void Set_Vapour_Pressure(Chart_Point& point, float Pw);

}  // namespace chart
