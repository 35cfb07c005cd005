#pragma once

#include "chart/chart_fields.h"
#include "state/air_state.h"

namespace chart {

// The whole state under a pointer position at the pressure Patm, for a readout that leaves the
// current state as it is.
state::Air_State State_Under_Pointer(const Chart_Fields& chart, float Patm, int X, int Y);

}  // namespace chart
