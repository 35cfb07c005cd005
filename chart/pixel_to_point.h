#pragma once

#include "chart/chart_fields.h"
#include "chart/chart_point.h"

// The inverse of the pixel mapping, for a pointer position in whole image pixels, with the axis
// and scales of the last drawing: the temperature under x (the right edge's for the label band,
// never below Lowest_Temperature), and the humidity ratio under y turned into a vapour pressure
// at Patm. On or below the bottom axis the point is the driest state; above the saturation curve
// it is the saturated state (RH exactly 100).
Chart_Point Map_Pixel(const Chart_Fields& chart, float Patm, int X, int Y);
