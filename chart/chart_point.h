#pragma once

#include "state/entry_ranges.h"

namespace chart {

// A point of the chart read as a state at the window's pressure: what the pointer and the
// crosshair steps find before the rest of the state is derived from it.
struct Chart_Point {
    float Tdb = 0;  // degree C
    float RH = 0;   // %
    float Pws = 0;  // kPa, at Tdb
    float Pw = 0;   // kPa, the candidate vapour pressure
};

// The temperature of index 0. No point lies left of it: the saturation pressure of a temperature
// far beyond it (down to absolute zero) is not defined.
inline constexpr float Lowest_Temperature = state::Tdb_Range.lowest;

// The driest state at a temperature, which every point on or below the bottom axis is.
inline constexpr float Driest_RH = 0.001f;
inline constexpr float Driest_Pw = 0.0001f;

}  // namespace chart
