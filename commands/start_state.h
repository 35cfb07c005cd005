#pragma once

#include "chart/chart_fields.h"
#include "state/air_state.h"

namespace commands {

// What both main windows open on: air at 20 degree C and 50 % under the standard atmosphere, the
// chart at its default half span. The window's pressure tables follow from it.
void Start_State(state::Air_State& state, chart::Chart_Fields& chart);

}  // namespace commands
