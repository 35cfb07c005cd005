#pragma once

#include "chart/chart_point.h"
#include "state/air_state.h"

namespace chart {

// Makes the point the state at the state's own pressure: RH, Tdb and Pws in this order, then the
// derivation with the point's vapour pressure. The state changes only when the whole derivation
// succeeds, and ends in the physical range (Hold_Physical_Range).
void Set_Point(state::Air_State& state, const Chart_Point& point,
               state::Enthalpy_Rule enthalpy = state::Enthalpy_Rule::Derive);

}  // namespace chart
