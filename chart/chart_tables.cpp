#include "chart/chart_tables.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

#include "chart/chart_search.h"
#include "engine/float_env.h"
#include "engine/property.h"

namespace chart {

// Every stored value is a 32-bit float; the arithmetic that forms it runs in long double and is
// rounded once, by to_single, as it is stored.
namespace {

using engine::to_single;

constexpr int Dry_Row = 0;
constexpr int Last_Index = Index_Count - 1;
constexpr int Lines_Per_Family = Level_Count - 1;

// The start of the state's line is searched no further than index 100 (60 degree C), whatever the
// axis; a state beyond it is extrapolated along the segment 99..100.
constexpr int State_Search_Limit = 100;

float temperature_at(int index) { return static_cast<float>(index - Temperature_Index_Offset); }

// The right edge as an index into the tables. The painter keeps Tmax_Index in 10..110; this only
// stops a bad value from reaching outside the arrays (the edge needs one segment to its left).
int table_edge(const Chart_Fields& chart) { return std::clamp(chart.Tmax_Index, 1, Last_Index); }

std::span<const float, Index_Count> saturation_curve(const Chart_Fields& chart) { return chart.W_Grid[Saturation_Row]; }

// The height of AH or Pw line n: n tenths of the top.
long double line_level(int n, float top) { return n * 0.1L * top; }

// A height on the right edge given in hundredths of Wtop.
long double edge_height(long double hundredths, float wtop) { return hundredths * wtop * 0.01L; }

// A property that is constant along the lines of one family, at a temperature and humidity ratio.
using Property_At = float (*)(float patm, float temperature, float humidity_ratio);

float enthalpy_at(float /*patm*/, float temperature, float humidity_ratio) {
    return Calc_Property(Kind_H, temperature, humidity_ratio);
}

float volume_at(float patm, float temperature, float humidity_ratio) {
    return Calc_Property(Kind_SV, patm, temperature, humidity_ratio);
}

using Line_Table = std::array<float, Line_Count>;

struct Line_Family {
    Property_At property;
    Line_Table Chart_Fields::*start_x;
    Line_Table Chart_Fields::*start_y;
    Line_Table Chart_Fields::*end_x;
    Line_Table Chart_Fields::*end_y;
};

constexpr Line_Family enthalpy_lines{&enthalpy_at, &Chart_Fields::H_Start_X, &Chart_Fields::H_Start_Y,
                                     &Chart_Fields::H_End_X, &Chart_Fields::H_End_Y};
constexpr Line_Family volume_lines{&volume_at, &Chart_Fields::SV_Start_X, &Chart_Fields::SV_Start_Y,
                                   &Chart_Fields::SV_End_X, &Chart_Fields::SV_End_Y};

// The family's property over the plot, from which its lines are found.
struct Property_Tables {
    std::array<float, Index_Count> dry{};              // dry air at the indexes 0..edge
    std::array<float, Index_Count> saturated{};        // saturated air at the indexes 0..edge
    std::array<float, Edge_Point_Count> right_edge{};  // the right edge at 0..100 hundredths of Wtop
};

struct Point {
    float x;
    float y;
};

// A line leaves the plot downwards when the dry air at the right edge reaches its value, and
// through the right edge otherwise.
Point line_end(const Property_Tables& tables, int edge, float wtop, long double value) {
    if (tables.dry[edge] >= value) {
        return {to_single(bottom_crossing(tables.dry, edge, value)), 0};
    }
    return {static_cast<float>(edge), to_single(right_edge_fraction(tables.right_edge, value) * wtop * 0.01L)};
}

// The state's line may lie above the saturation curve's end; it then ends in the top-right corner.
Point state_line_end(const Property_Tables& tables, int edge, float wtop, long double value) {
    if (!(tables.dry[edge] >= value) && value >= tables.right_edge[Edge_Point_Count - 1]) {
        return {static_cast<float>(edge), wtop};
    }
    return line_end(tables, edge, wtop, value);
}

// The lines through the saturation points 0..edge, and the state's line as entry 111. The state's
// line starts across at state_start_x when given (the enthalpy line at the wet bulb), else where the
// saturation curve has the state's value.
void build_lines(Chart_Fields& chart, const Line_Family& family, float patm, float state_value,
                 std::optional<float> state_start_x) {
    const int edge = table_edge(chart);
    const std::span<const float, Index_Count> wsat = saturation_curve(chart);
    const float wtop = wsat[edge];

    Property_Tables tables;
    for (int i = 0; i <= edge; ++i) {
        tables.dry[i] = family.property(patm, temperature_at(i), chart.W_Grid[Dry_Row][i]);
    }
    for (int i = 0; i <= edge; ++i) {
        tables.saturated[i] = family.property(patm, temperature_at(i), wsat[i]);
    }
    for (int k = 0; k < Edge_Point_Count; ++k) {
        tables.right_edge[k] = family.property(patm, temperature_at(edge), to_single(edge_height(k, wtop)));
    }

    Line_Table& start_x = chart.*family.start_x;
    Line_Table& start_y = chart.*family.start_y;
    Line_Table& end_x = chart.*family.end_x;
    Line_Table& end_y = chart.*family.end_y;
    for (int i = 0; i <= edge; ++i) {
        start_x[i] = static_cast<float>(i);
        start_y[i] = wsat[i];
        const Point end = line_end(tables, edge, wtop, tables.saturated[i]);
        end_x[i] = end.x;
        end_y[i] = end.y;
    }

    const int b = first_reaching(tables.saturated, 1, std::min(State_Search_Limit, edge), state_value);
    const long double q = segment_fraction(tables.saturated, b, state_value);
    start_y[State_Line] = to_single(wsat[b - 1] + q * (static_cast<long double>(wsat[b]) - wsat[b - 1]));
    start_x[State_Line] = state_start_x ? *state_start_x : to_single((b - 1) + q);
    const Point end = state_line_end(tables, edge, wtop, state_value);
    end_x[State_Line] = end.x;
    end_y[State_Line] = end.y;
}

}  // namespace

void Calc_RHCurves(Chart_Fields& chart, float Patm) {
    for (int r = 0; r < RH_Rows; ++r) {
        for (int i = 0; i < Index_Count; ++i) {
            const float pws = Calc_Property(Kind_Pws, temperature_at(i));
            const float pw = Calc_Property(Kind_Pw_RH, pws, static_cast<float>(10 * r));
            chart.W_Grid[r][i] = Calc_Property(Kind_AH, Patm, pw);
        }
    }
}

void Calc_TLines(Chart_Fields& chart) {
    for (int i = 0; i < Index_Count; ++i) {
        chart.Sat_X[i] = static_cast<float>(i);
        chart.Sat_Y[i] = chart.W_Grid[Saturation_Row][i];
    }
}

void Calc_AHLines(Chart_Fields& chart) {
    const std::span<const float, Index_Count> wsat = saturation_curve(chart);
    const float wtop = wsat[table_edge(chart)];
    chart.AH_Start_X[0] = wtop;
    for (int n = 1; n <= Lines_Per_Family; ++n) {
        chart.AH_Level[n] = to_single(line_level(n, wtop));
        chart.AH_Start_X[n] = to_single(saturation_crossing(wsat, chart.AH_Level[n]));
    }
}

void Calc_PwLines(Chart_Fields& chart, float Patm) {
    const std::span<const float, Index_Count> wsat = saturation_curve(chart);
    const float ptop = Calc_Property(Kind_Pws, temperature_at(table_edge(chart)));
    const float wm = Calc_Property(Kind_AH, Patm, ptop);
    chart.Pw_Start_X[0] = ptop;
    for (int n = 1; n <= Lines_Per_Family; ++n) {
        // The crossing is searched with the level before it is rounded to a float.
        const long double level = line_level(n, wm);
        chart.Pw_Level[n] = to_single(level);
        chart.Pw_Start_X[n] = to_single(saturation_crossing(wsat, level));
    }
}

void Calc_HLines(Chart_Fields& chart, float H, float Twb) {
    build_lines(chart, enthalpy_lines, 0, H, to_single(Twb + static_cast<long double>(Temperature_Index_Offset)));
}

void Calc_SVLines(Chart_Fields& chart, float Patm, float SV) {
    build_lines(chart, volume_lines, Patm, SV, std::nullopt);
}

}  // namespace chart
