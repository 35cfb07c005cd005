#pragma once

#include <span>

#include "chart/chart_fields.h"
#include "engine/float_env.h"

namespace chart {

// The searches behind the line tables. Each takes the first index whose value reaches the one
// sought (>=), so ties go to the lower index, and interpolates on the segment that ends there.
// At any sensible pressure the tables grow with their index; whatever they hold, the searches stay
// within the bounds they are given, and a flat segment raises engine::Float_Error rather than
// producing an infinity.

inline constexpr int Edge_Point_Count = 101;  // the right edge from 0 to Wtop in hundredths

// The first index in first..last-1 whose value is >= v, or last when none is. The caller keeps
// first and last inside the table.
inline int first_reaching(std::span<const float> table, int first, int last, long double v) {
    for (int j = first; j < last; ++j) {
        if (table[j] >= v) {
            return j;
        }
    }
    return last;
}

// Where v lies on the segment from index j - 1 to j, as a fraction of it; j >= 1.
inline long double segment_fraction(std::span<const float> table, int j, long double v) {
    const long double low = table[j - 1];
    return engine::divide(v - low, table[j] - low);
}

inline long double interpolated_index(std::span<const float> table, int j, long double v) {
    return (j - 1) + segment_fraction(table, j, v);
}

// The fractional index where the saturation curve reaches a humidity ratio; 0 when the level lies
// at or below the curve's first point.
inline long double saturation_crossing(std::span<const float, Index_Count> wsat, long double level) {
    const int j = first_reaching(wsat, 0, Index_Count - 1, level);
    return j == 0 ? 0 : interpolated_index(wsat, j, level);
}

// The fractional index where a line of value v meets the bottom axis, from the dry-air values at
// the indexes 0..edge; used when dry[edge] >= v, so it ends at or before the edge. 1 <= edge.
inline long double bottom_crossing(std::span<const float, Index_Count> dry, int edge, long double v) {
    return interpolated_index(dry, first_reaching(dry, 1, edge, v), v);
}

// The height where a line of value v meets the right edge, in hundredths of Wtop, from the values
// at the 101 evenly spaced heights of the edge.
inline long double right_edge_fraction(std::span<const float, Edge_Point_Count> edge_values, long double v) {
    return interpolated_index(edge_values, first_reaching(edge_values, 1, Edge_Point_Count - 1, v), v);
}

}  // namespace chart
