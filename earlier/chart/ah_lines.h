#pragma once

#include <array>

#include "chart/chart_fields.h"

// Moistrel's humidity-ratio lines: one at every hundredth of a kg/kg, from where it meets the
// saturation curve to the right edge. They depend on the pressure only.
namespace moistrel {

// The tables hold the levels 0 to 0.29 kg/kg.
inline constexpr int AH_Level_Capacity = 30;

struct AH_Lines {
    std::array<float, AH_Level_Capacity> AH_Level{};    // [n] = n x 0.01 kg/kg
    std::array<float, AH_Level_Capacity> AH_Start_X{};  // [n] = the fractional index where level n meets saturation
};

// How many levels lie at or below a saturation humidity ratio: floor(100 x wsat) + 1, but no more
// than the tables hold, so that low pressures, whose air holds 0.30 kg/kg and more at 70 degree C,
// stop at 0.29.
int AH_Level_Count(float wsat);

// Builds the levels up to the saturation humidity ratio at 70 degree C from W_Grid.
void Calc_AHLines(AH_Lines& lines, const chart::Chart_Fields& chart);

// The tables that depend on the pressure only: the RH curves, the temperature lines and the
// humidity-ratio lines.
void Calc_Pressure_Tables(float Patm, chart::Chart_Fields& chart, AH_Lines& ah_lines);

}  // namespace moistrel
