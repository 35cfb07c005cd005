#include "chart/chart_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "chart/chart_search.h"
#include "engine/float_env.h"
#include "engine/property.h"
#include "state/air_state.h"

using namespace chart;
using state::Air_State;
using state::State_From_Tdb_RH;

namespace {

constexpr float Standard_Patm = 101.325f;
constexpr int Saturation_Row = 10;

using Line_Table = std::array<float, Line_Count>;

Chart_Fields grid_at(float patm) {
    Chart_Fields chart;
    Calc_RHCurves(chart, patm);
    Calc_TLines(chart);
    return chart;
}

// What the painter does before it paints: set the right edge, then the four range tables in order.
void build_range_tables(Chart_Fields& chart, int tmax_index, float patm, const Air_State& state) {
    chart.Tmax_Index = tmax_index;
    Calc_AHLines(chart);
    Calc_PwLines(chart, patm);
    Calc_HLines(chart, state.H, state.Twb);
    Calc_SVLines(chart, patm, state.SV);
}

float wsat(const Chart_Fields& chart, int i) { return chart.W_Grid[Saturation_Row][i]; }

// The two families of sloping lines, with the property that is constant along each line.
struct Line_Family {
    const char* name;
    Line_Table Chart_Fields::*start_x;
    Line_Table Chart_Fields::*start_y;
    Line_Table Chart_Fields::*end_x;
    Line_Table Chart_Fields::*end_y;
    float (*property)(float temperature, float humidity_ratio);
    float tolerance;  // of the property along a line
};

float enthalpy(float temperature, float humidity_ratio) { return Calc_Property(Kind_H, temperature, humidity_ratio); }
float volume(float temperature, float humidity_ratio) {
    return Calc_Property(Kind_SV, Standard_Patm, temperature, humidity_ratio);
}

const Line_Family families[] = {
    {"H", &Chart_Fields::H_Start_X, &Chart_Fields::H_Start_Y, &Chart_Fields::H_End_X, &Chart_Fields::H_End_Y, &enthalpy,
     2e-4f},
    {"SV", &Chart_Fields::SV_Start_X, &Chart_Fields::SV_Start_Y, &Chart_Fields::SV_End_X, &Chart_Fields::SV_End_Y,
     &volume, 2e-7f},
};

// ---- grid ----

TEST(RH_Curves, RowZeroIsDryRowTenIsTheSaturationPolylineAndSatXIsTheIndex) {
    const Chart_Fields chart = grid_at(Standard_Patm);
    for (int i = 0; i < Index_Count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(chart.W_Grid[0][i], 0.0f);
        EXPECT_EQ(chart.Sat_Y[i], wsat(chart, i));
        EXPECT_EQ(chart.Sat_X[i], static_cast<float>(i));
        if (i > 0) {
            EXPECT_GT(wsat(chart, i), wsat(chart, i - 1));
        }
    }
}

TEST(RH_Curves, EachPointIsTheHumidityRatioOfTheStandardChain) {
    struct Case {
        int row, index;
        float tdb, rh;
    };
    const Case cases[] = {{5, 60, 20, 50}, {10, 0, -40, 100}, {10, 40, 0, 100}, {3, 110, 70, 30}, {9, 41, 1, 90}};
    const Chart_Fields chart = grid_at(Standard_Patm);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.index));
        EXPECT_EQ(chart.W_Grid[c.row][c.index], State_From_Tdb_RH(Standard_Patm, c.tdb, c.rh).AH);
    }
    EXPECT_NEAR(chart.W_Grid[5][60], 0.0072621, 0.5e-7);
}

// ---- searches ----

TEST(Search, TheFirstIndexThatReachesTheValueIsTakenSoTiesGoToTheLowerIndex) {
    const std::array<float, 7> table{1, 2, 2, 2, 3, 5, 5};
    struct Case {
        int first, last;
        float value;
        int expected;
    };
    const Case cases[] = {
        {1, 6, 2, 1},     // a plateau: its first index
        {1, 6, 2.5f, 4},  // between values: the upper end of the segment
        {1, 6, 5, 5},     // equal to two entries: the lower one
        {1, 6, 0, 1},     // below the table: the first index searched
        {1, 6, 9, 6},     // above every searched entry: last
        {1, 5, 5, 5},     // last is not examined: still last
        {3, 6, 2, 3},     // the search begins at first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(chart::first_reaching(table, c.first, c.last, c.value), c.expected);
    }
}

TEST(Search, AFlatSegmentRaisesInsteadOfDividingByZero) {
    const std::array<float, 2> flat{3, 3};
    EXPECT_THROW(chart::segment_fraction(flat, 1, 3), engine::Float_Error);
    EXPECT_THROW(chart::segment_fraction(flat, 1, 4), engine::Float_Error);
}

TEST(Search, ALevelEqualToASaturationValueCrossesExactlyAtItsIndex) {
    const Chart_Fields chart = grid_at(Standard_Patm);
    for (int j = 0; j < Index_Count; ++j) {
        EXPECT_EQ(chart::saturation_crossing(chart.W_Grid[Saturation_Row], wsat(chart, j)), j);
    }
    EXPECT_EQ(chart::saturation_crossing(chart.W_Grid[Saturation_Row], wsat(chart, 0) / 2), 0);
}

// ---- AH and Pw lines ----

// The crossing x of a level lies on the saturation segment whose ends bracket the level, and the
// segment's linear interpolation at x gives the level back; a level below the curve crosses at 0.
void expect_on_saturation_curve(const Chart_Fields& chart, float x, long double level) {
    if (level <= wsat(chart, 0)) {
        EXPECT_EQ(x, 0.0f);
        return;
    }
    const int low = static_cast<int>(std::floor(x));
    ASSERT_GE(low, 0);
    ASSERT_LT(low, Index_Count - 1);
    EXPECT_LE(wsat(chart, low), level);
    EXPECT_GE(wsat(chart, low + 1), level);
    const double back = wsat(chart, low) + (x - low) * (static_cast<double>(wsat(chart, low + 1)) - wsat(chart, low));
    EXPECT_NEAR(back, static_cast<double>(level), 1e-6 * static_cast<double>(level));
}

TEST(Level_Lines, LinesLieAtTenthsOfTheRightEdgeAndStartOnTheSaturationCurve) {
    for (const int tmax : {10, 70, 110}) {
        SCOPED_TRACE(tmax);
        Chart_Fields chart = grid_at(Standard_Patm);
        build_range_tables(chart, tmax, Standard_Patm, State_From_Tdb_RH(Standard_Patm, 20, 50));
        const float wtop = wsat(chart, tmax);
        const float ptop = Calc_Property(Kind_Pws, static_cast<float>(tmax - 40));
        const float wm = Calc_Property(Kind_AH, Standard_Patm, ptop);
        EXPECT_EQ(chart.AH_Start_X[0], wtop);
        EXPECT_EQ(chart.Pw_Start_X[0], ptop);
        for (int n = 1; n < Level_Count; ++n) {
            SCOPED_TRACE(n);
            // The level is formed wider and rounded once; AH searches with the rounded level, Pw
            // with the product before rounding.
            const long double pw_level = n * 0.1L * wm;
            EXPECT_EQ(chart.AH_Level[n], static_cast<float>(n * 0.1L * wtop));
            EXPECT_EQ(chart.Pw_Level[n], static_cast<float>(pw_level));
            EXPECT_FLOAT_EQ(chart.AH_Level[n], n * wtop / 10);
            expect_on_saturation_curve(chart, chart.AH_Start_X[n], chart.AH_Level[n]);
            expect_on_saturation_curve(chart, chart.Pw_Start_X[n], pw_level);
            EXPECT_EQ(chart.Pw_Start_X[n],
                      static_cast<float>(chart::saturation_crossing(chart.W_Grid[Saturation_Row], pw_level)));
        }
    }
}

TEST(Level_Lines, TheMiddleLineOfTheStartAxisCrossesNearTheDewPointOfItsVapourPressure) {
    // Wtop at 30 degree C is 0.027204; half of it is a vapour pressure of 2.1685 kPa, saturated at
    // 18.785 degree C. The polyline between 18 and 19 degree C meets the level at 58.77995.
    Chart_Fields chart = grid_at(Standard_Patm);
    build_range_tables(chart, 70, Standard_Patm, State_From_Tdb_RH(Standard_Patm, 20, 50));
    EXPECT_NEAR(chart.AH_Start_X[0], 0.027204, 0.5e-6);
    EXPECT_NEAR(chart.AH_Start_X[5], 58.77995, 2e-5);
    EXPECT_NEAR(chart.Pw_Start_X[5], 58.77995, 2e-5);
}

TEST(Level_Lines, OnTheColdestAxisTheLowestThreeLinesCrossAtTheLeftEnd) {
    Chart_Fields chart = grid_at(Standard_Patm);
    build_range_tables(chart, 10, Standard_Patm, State_From_Tdb_RH(Standard_Patm, -35, 50));
    for (int n = 1; n < Level_Count; ++n) {
        SCOPED_TRACE(n);
        if (n <= 3) {
            EXPECT_LT(chart.AH_Level[n], wsat(chart, 0));
            EXPECT_EQ(chart.AH_Start_X[n], 0.0f);
            EXPECT_EQ(chart.Pw_Start_X[n], 0.0f);
        } else {
            EXPECT_GT(chart.AH_Start_X[n], chart.AH_Start_X[n - 1]);
            EXPECT_GT(chart.Pw_Start_X[n], chart.Pw_Start_X[n - 1]);
        }
    }
}

// ---- H and SV lines ----

TEST(Sloping_Lines, EachLineEndsOnTheBottomAxisOrOnTheRightEdgeWhereItsPropertyIsUnchanged) {
    for (const Line_Family& family : families) {
        for (const int tmax : {10, 70, 110}) {
            SCOPED_TRACE(std::string(family.name) + " " + std::to_string(tmax));
            Chart_Fields chart = grid_at(Standard_Patm);
            build_range_tables(chart, tmax, Standard_Patm, State_From_Tdb_RH(Standard_Patm, 20, 50));
            const float wtop = wsat(chart, tmax);
            const float dry_at_edge = family.property(static_cast<float>(tmax - 40), 0);
            int bottom_ends = 0;
            for (int i = 0; i <= tmax; ++i) {
                SCOPED_TRACE(i);
                const float value = family.property(static_cast<float>(i - 40), wsat(chart, i));
                const float end_x = (chart.*family.end_x)[i];
                const float end_y = (chart.*family.end_y)[i];
                EXPECT_EQ((chart.*family.start_x)[i], static_cast<float>(i));
                EXPECT_EQ((chart.*family.start_y)[i], wsat(chart, i));
                if (dry_at_edge >= value) {
                    ++bottom_ends;
                    EXPECT_EQ(end_y, 0.0f);
                    EXPECT_GE(end_x, static_cast<float>(i));
                    EXPECT_LE(end_x, static_cast<float>(tmax));
                    EXPECT_NEAR(family.property(end_x - 40, 0), value, family.tolerance);
                } else {
                    EXPECT_EQ(end_x, static_cast<float>(tmax));
                    EXPECT_GT(end_y, 0.0f);
                    EXPECT_LE(end_y, wtop);
                    EXPECT_NEAR(family.property(static_cast<float>(tmax - 40), end_y), value, family.tolerance);
                }
            }
            if (tmax > 10) {
                EXPECT_GT(bottom_ends, 0);
            }
            EXPECT_LE(bottom_ends, tmax);
            // The line through the right edge's own saturation point ends where it starts.
            EXPECT_EQ((chart.*family.end_x)[tmax], static_cast<float>(tmax));
            EXPECT_FLOAT_EQ((chart.*family.end_y)[tmax], wtop);
        }
    }
}

struct Point {
    double x, y;
};

struct State_Line_Case {
    int tmax;
    float tdb, rh;
    Point h_start, h_end, sv_start, sv_end;
};

TEST(State_Line, TheStartStateLinesStartOnTheSaturationCurveAndEndByTheRule) {
    // Tdb 20, RH 50: H 38.545, Twb 13.787, SV 0.84020. Saturated air has H 38.545 between 13 and
    // 14 degree C (b 54, q 0.7238), SV 0.84020 between 17 and 18 degree C (b 58, q 0.5475).
    // Right edge at 30 degree C: H 38.545 = 30.18 + W (2501 + 54.15) at W 0.0032737; dry air has
    // the SV at 23.423 and the H at 38.315 degree C.
    const State_Line_Case cases[] = {
        {70, 20, 50, {53.786829, 0.0097944}, {70, 0.0032737}, {57.5475, 0.0125699}, {63.4228, 0}},
        {110, 20, 50, {53.786829, 0.0097944}, {78.3149, 0}, {57.5475, 0.0125699}, {63.4228, 0}},
    };
    for (const State_Line_Case& c : cases) {
        SCOPED_TRACE(c.tmax);
        const Air_State state = State_From_Tdb_RH(Standard_Patm, c.tdb, c.rh);
        EXPECT_NEAR(state.H, 38.545, 0.5e-3);
        EXPECT_NEAR(state.Twb, 13.787, 0.5e-3);
        Chart_Fields chart = grid_at(Standard_Patm);
        build_range_tables(chart, c.tmax, Standard_Patm, state);
        EXPECT_EQ(chart.H_Start_X[State_Line], static_cast<float>(state.Twb + 40.0L));
        EXPECT_NEAR(chart.H_Start_X[State_Line], c.h_start.x, 1e-5);
        EXPECT_NEAR(chart.H_Start_Y[State_Line], c.h_start.y, 1e-7);
        EXPECT_GT(chart.H_Start_Y[State_Line], wsat(chart, 53));
        EXPECT_LT(chart.H_Start_Y[State_Line], wsat(chart, 54));
        EXPECT_NEAR(chart.H_End_X[State_Line], c.h_end.x, 1e-4);
        EXPECT_NEAR(chart.H_End_Y[State_Line], c.h_end.y, 1e-7);
        EXPECT_NEAR(chart.SV_Start_X[State_Line], c.sv_start.x, 1e-4);
        EXPECT_NEAR(chart.SV_Start_Y[State_Line], c.sv_start.y, 1e-7);
        EXPECT_NEAR(chart.SV_End_X[State_Line], c.sv_end.x, 1e-4);
        EXPECT_NEAR(chart.SV_End_Y[State_Line], c.sv_end.y, 1e-7);
    }
}

// A state made saturated: Twb is Tdb.
Air_State saturated_state(float patm, float tdb) {
    Air_State state = State_From_Tdb_RH(patm, tdb, 100);
    state.Twb = state.Tdb;
    state.Tdp = state.Tdb;
    return state;
}

// Right edges below 60 degree C, with the saturated state on the edge.
constexpr int edges_below_sixty[] = {30, 70, 95};

TEST(State_Line, ASaturatedStateOnTheRightEdgeRunsFromTheCurvesEndIntoTheTopRightCorner) {
    for (const int tmax : edges_below_sixty) {
        SCOPED_TRACE(tmax);
        Chart_Fields chart = grid_at(Standard_Patm);
        build_range_tables(chart, tmax, Standard_Patm, saturated_state(Standard_Patm, static_cast<float>(tmax - 40)));
        const float wtop = wsat(chart, tmax);
        for (const Line_Family& family : families) {
            SCOPED_TRACE(family.name);
            EXPECT_FLOAT_EQ((chart.*family.start_x)[State_Line], static_cast<float>(tmax));
            EXPECT_FLOAT_EQ((chart.*family.start_y)[State_Line], wtop);
            EXPECT_EQ((chart.*family.end_x)[State_Line], static_cast<float>(tmax));
            EXPECT_FLOAT_EQ((chart.*family.end_y)[State_Line], wtop);
        }
    }
}

TEST(State_Line, AStateLineAboveTheTopOfTheRightEdgeEndsInTheTopRightCorner) {
    // The state at 20 degree C lies beyond these axes; its H and SV exceed those of the right
    // edge's saturated air, where a right-edge fraction would extrapolate above the plot.
    const Air_State state = State_From_Tdb_RH(Standard_Patm, 20, 50);
    for (const int tmax : {10, 30}) {
        SCOPED_TRACE(tmax);
        Chart_Fields chart = grid_at(Standard_Patm);
        build_range_tables(chart, tmax, Standard_Patm, state);
        for (const Line_Family& family : families) {
            SCOPED_TRACE(family.name);
            EXPECT_EQ((chart.*family.end_x)[State_Line], static_cast<float>(tmax));
            EXPECT_EQ((chart.*family.end_y)[State_Line], wsat(chart, tmax));
        }
    }
}

TEST(Range_Tables, NothingOfTheGridBeyondTheRightEdgeIsRead) {
    const float poison = std::numeric_limits<float>::quiet_NaN();
    for (const int tmax : edges_below_sixty) {
        for (const Air_State& state : {State_From_Tdb_RH(Standard_Patm, 20, 50),
                                       saturated_state(Standard_Patm, static_cast<float>(tmax - 40))}) {
            SCOPED_TRACE(std::to_string(tmax) + " " + std::to_string(state.Tdb));
            Chart_Fields clean = grid_at(Standard_Patm);
            Chart_Fields poisoned = clean;
            for (auto& row : poisoned.W_Grid) {
                for (int i = tmax + 1; i < Index_Count; ++i) {
                    row[i] = poison;
                }
            }
            build_range_tables(clean, tmax, Standard_Patm, state);
            build_range_tables(poisoned, tmax, Standard_Patm, state);
            EXPECT_EQ(poisoned.AH_Start_X, clean.AH_Start_X);
            EXPECT_EQ(poisoned.AH_Level, clean.AH_Level);
            EXPECT_EQ(poisoned.Pw_Start_X, clean.Pw_Start_X);
            EXPECT_EQ(poisoned.Pw_Level, clean.Pw_Level);
            for (const Line_Family& family : families) {
                for (const auto table : {family.start_x, family.start_y, family.end_x, family.end_y}) {
                    EXPECT_EQ(poisoned.*table, clean.*table) << family.name;
                }
            }
        }
    }
}

TEST(State_Line, AStateAboveFiftyNineDegreesStartsOnTheSegmentFrom59To60) {
    // The start search stops at index 100 whatever the axis: q is measured on the segment 99..100
    // and exceeds 1 beyond it. Saturated H and SV at 59 and 60 degree C bracket the 59.5 degree
    // state (q 0.2894 for H, 0.3245 for SV); the 65 degree state lies far past them (q 4.111 and
    // 4.464), where the segment 102..103 would give a start 1e-4 higher.
    struct Case {
        int tmax;
        float tdb, rh;
        double h_start_y, sv_start_x, sv_start_y;
    };
    const Case cases[] = {
        {110, 59.5f, 99, 0.1463735, 99.32448, 0.1466721},
        {105, 65, 90, 0.1789267, 103.46423, 0.1819335},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tdb);
        Chart_Fields chart = grid_at(Standard_Patm);
        const Air_State state = State_From_Tdb_RH(Standard_Patm, c.tdb, c.rh);
        build_range_tables(chart, c.tmax, Standard_Patm, state);
        EXPECT_NEAR(chart.H_Start_Y[State_Line], c.h_start_y, 3e-6);
        EXPECT_NEAR(chart.SV_Start_X[State_Line], c.sv_start_x, 1e-3);
        EXPECT_NEAR(chart.SV_Start_Y[State_Line], c.sv_start_y, 3e-6);
        EXPECT_EQ(chart.H_Start_X[State_Line], static_cast<float>(state.Twb + 40.0L));
    }
}

// ---- robustness ----

TEST(Range_Tables, ARightEdgeOutsideTheTablesIsHeldToTheirEnds) {
    struct Case {
        int tmax, held_to;
    };
    const Case cases[] = {{-5, 1}, {0, 1}, {111, 110}, {1000, 110}};
    const Air_State state = State_From_Tdb_RH(Standard_Patm, 20, 50);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tmax);
        Chart_Fields odd = grid_at(Standard_Patm);
        Chart_Fields held = odd;
        build_range_tables(odd, c.tmax, Standard_Patm, state);
        build_range_tables(held, c.held_to, Standard_Patm, state);
        EXPECT_EQ(odd.AH_Start_X, held.AH_Start_X);
        EXPECT_EQ(odd.Pw_Start_X, held.Pw_Start_X);
        for (const Line_Family& family : families) {
            for (const auto table : {family.start_x, family.start_y, family.end_x, family.end_y}) {
                EXPECT_EQ(odd.*table, held.*table) << family.name;
            }
        }
    }
}

// Runs a builder; it either finishes or raises the floating-point error, never anything else.
template <typename Builder>
void expect_returns_or_raises_float_error(const char* name, Builder build) {
    try {
        build();
    } catch (const engine::Float_Error&) {
        return;
    } catch (...) {
        ADD_FAILURE() << name << " raised something other than Float_Error";
    }
}

TEST(Range_Tables, AtAPressureBelowTheHottestSaturationPressureTheBuildersStayInsideTheirTables) {
    // Pws at 70 degree C is 31.198 kPa: below it the hottest humidity ratios turn negative and the
    // tables lose their order; at 5 kPa everything above 33 degree C does; 0 leaves no dry air.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct State {
        float h, twb, sv;
    };
    const State states[] = {{38.545f, 13.787f, 0.8402f}, {1e6f, 500, 1e3f}, {-1e6f, -500, -1e3f}, {nan, nan, nan}};
    for (const float patm : {31.0f, 5.0f, 0.0f}) {
        Chart_Fields chart;
        expect_returns_or_raises_float_error("Calc_RHCurves", [&] { Calc_RHCurves(chart, patm); });
        Calc_TLines(chart);
        for (const int tmax : {10, 70, 100, 110}) {
            chart.Tmax_Index = tmax;
            for (const State& s : states) {
                SCOPED_TRACE(std::to_string(patm) + " " + std::to_string(tmax) + " " + std::to_string(s.h));
                expect_returns_or_raises_float_error("Calc_AHLines", [&] { Calc_AHLines(chart); });
                expect_returns_or_raises_float_error("Calc_PwLines", [&] { Calc_PwLines(chart, patm); });
                expect_returns_or_raises_float_error("Calc_HLines", [&] { Calc_HLines(chart, s.h, s.twb); });
                expect_returns_or_raises_float_error("Calc_SVLines", [&] { Calc_SVLines(chart, patm, s.sv); });
            }
        }
    }
}

}  // namespace
