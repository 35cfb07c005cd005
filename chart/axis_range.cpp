#include "chart/axis_range.h"

#include "engine/float_env.h"
#include "state/entry_ranges.h"

using state::Tdb_Range;

namespace chart {

namespace {

constexpr int Axis_Low = static_cast<int>(Tdb_Range.lowest);  // degree C
constexpr int Axis_High = static_cast<int>(Tdb_Range.highest);

bool Clamp(Axis_Range& range, std::int64_t span) {
    if (range.Tmax > Axis_High) {
        range.Tmax = Axis_High;
        range.Tmin = Axis_High - span;
        if (range.Tmin < Axis_Low) {
            range.Tmin = Axis_Low;
            return true;
        }
    } else if (range.Tmin < Axis_Low) {
        range.Tmin = Axis_Low;
        range.Tmax = span + Axis_Low;
        if (range.Tmax > Axis_High) {
            range.Tmax = Axis_High;
            return true;
        }
    }
    return false;
}

}  // namespace

bool Set_Axis(Chart_Fields& chart, Axis_Range range) {
    const bool cut = Clamp(range, 2 * std::int64_t{chart.Half_Span});
    chart.Tmin_Index = static_cast<int>(range.Tmin + Temperature_Index_Offset);
    chart.Tmax_Index = static_cast<int>(range.Tmax + Temperature_Index_Offset);
    chart.X_Scale = engine::to_single(engine::divide(Plot_Right, chart.Tmax_Index - chart.Tmin_Index));
    chart.Y_Scale = engine::to_single(engine::divide(Plot_Bottom, chart.W_Grid[Saturation_Row][chart.Tmax_Index]));
    return cut;
}

}  // namespace chart
