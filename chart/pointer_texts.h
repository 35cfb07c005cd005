#pragma once

#include <string>

#include "state/air_state.h"

namespace chart {

// The main window's status texts of the chart's pointer and crosshair.

// Status panel 0 after a click or a crosshair step: "Crosshair: Tdb:20.00 ,RH:50.00".
std::string Crosshair_Text(float Tdb, float RH);

// Status panel 1 while the pointer moves: the whole state under it, DOS in %.
std::string Pointer_Readout(const state::Air_State& point);

}  // namespace chart
