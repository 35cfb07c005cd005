#pragma once

#include "chart/chart_fields.h"
#include "chart/chart_point.h"
#include "state/air_state.h"

namespace moistrel {

// Moistrel's four move buttons: up and down along the state's temperature line, left and right
// along its humidity-ratio line.
enum class Move_Button { Up, Down, Left, Right };

// Where a button takes the state with the axis and scales of the last drawing: step pixels from
// the state's own (untruncated) pixel, read back from the whole pixel that reaches. Up and down
// keep Tdb and Pws; on or below the bottom axis the point is the driest state, above saturation
// it is saturated. Left and right keep AH; the temperature stops at the right edge and at
// Lowest_Temperature.
chart::Chart_Point Move_Target(const chart::Chart_Fields& chart, const state::Air_State& state, Move_Button button,
                               int step);

}  // namespace moistrel
