#pragma once

#include "chart/chart_fields.h"
#include "chart/chart_point.h"
#include "chart/derive_state.h"
#include "state/air_state.h"

namespace chart {

// A move of the current state by a few pixels along one of its lines on the chart.
enum class Step_Line { Temperature, Humidity_Ratio, Relative_Humidity, Enthalpy };

// The sign of the pixel step on the axis the line lets change: the humidity ratio (upwards) along
// a temperature line, the temperature (to the right) along the other lines.
enum class Step_Direction : int { Decreasing = -1, Increasing = 1 };

struct Crosshair_Move {
    Step_Line line;
    Step_Direction direction;
};

struct Crosshair_Target {
    Chart_Point point;              // kept values (Tdb along a temperature line, RH along its curve) unchanged
    state::Enthalpy_Rule enthalpy;  // Keep while the state moves along its enthalpy line
};

// Where a move of step pixels takes the state, with the axis and scales of the last drawing.
// A move to the right stops at the plot's right edge, one to the left at Lowest_Temperature; a
// move down that reaches the bottom axis or a humidity ratio of 0 gives the driest state (fully
// derived, also on the enthalpy line). A move across the saturation curve ends on it; upwards
// along the enthalpy line it stops at the line's saturation point, the state's wet bulb.
Crosshair_Target Step_Target(const Chart_Fields& chart, const state::Air_State& state, Crosshair_Move move, int step);

}  // namespace chart
