#pragma once

#include <cstdint>

#include "chart/chart_fields.h"

namespace chart {

// An axis range in whole degrees C, as centred on a temperature before it is held inside -40..70.
// 64 bits: a far-off centre plus the span must not overflow.
struct Axis_Range {
    std::int64_t Tmin;
    std::int64_t Tmax;
};

// Shifts the range inside -40..70, keeping its span of 2 Half_Span; only a span wider than that
// range is cut. Stores the range as Tmin_Index and Tmax_Index and sets the scales for it.
// Returns whether the range was cut at both ends, where zooming out cannot widen it.
bool Set_Axis(Chart_Fields& chart, Axis_Range range);

}  // namespace chart
