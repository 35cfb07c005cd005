#include "earlier/chart/ah_lines.h"

#include <span>

#include "chart/chart_search.h"
#include "chart/chart_tables.h"
#include "engine/float_env.h"

using chart::Calc_RHCurves;
using chart::Calc_TLines;
using chart::Chart_Fields;
using chart::Index_Count;
using chart::Saturation_Row;

namespace moistrel {

namespace {
// The crossings are searched from -20 degree C on; a level below the curve there is extrapolated
// from the segment that ends at it.
constexpr int First_Searched_Index = 20;
constexpr int Last_Index = Index_Count - 1;
}  // namespace

int AH_Level_Count(float wsat) {
    // Counted rather than floored: a NaN gives no level at all.
    int count = 0;
    while (count < AH_Level_Capacity && 100.0L * wsat >= count) ++count;
    return count;
}

void Calc_AHLines(AH_Lines& lines, const Chart_Fields& chart) {
    const std::span<const float, Index_Count> wsat = chart.W_Grid[Saturation_Row];
    const int count = AH_Level_Count(wsat[Last_Index]);
    for (int n = 0; n < count; ++n) {
        const long double level = n * 0.01L;
        lines.AH_Level[n] = engine::to_single(level);
        const int j = chart::first_reaching(wsat, First_Searched_Index, Last_Index, level);
        lines.AH_Start_X[n] = engine::to_single(chart::interpolated_index(wsat, j, level));
    }
}

void Calc_Pressure_Tables(float Patm, Chart_Fields& chart, AH_Lines& ah_lines) {
    Calc_RHCurves(chart, Patm);
    Calc_TLines(chart);
    Calc_AHLines(ah_lines, chart);
}

}  // namespace moistrel
