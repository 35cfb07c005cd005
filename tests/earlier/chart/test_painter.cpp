#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "chart/chart_colors.h"
#include "chart/pixel_mapping.h"
#include "chart/saturation_values.h"
#include "engine/property.h"
#include "numtext/general_format.h"
#include "tests/chart/canvas_ops.h"
#include "tests/support/earlier_start_chart.h"
#include "tests/support/headless_front_end.h"

using namespace chart;

namespace {

using namespace canvas_ops;

constexpr float Standard_Patm = 101.325f;

class Earlier_Chart_Test : public ::testing::Test, protected Earlier_Start_Chart {
protected:
    Earlier_Chart_Test() { application.set_front_end(front_end); }

    void all_on() { switches = Every_Family; }
    void draw() { outcome = Earlier_Start_Chart::draw(switches); }
    const Ops& ops() const { return image.canvas().ops(); }

    int x_t(float T) const { return x_of_temperature(chart, T); }
    int x_u(float u) const { return x_of_index(chart, u); }
    int y_w(float W) const { return y_of_humidity(chart, W); }

    test_support::Headless_Front_End front_end;
    moistrel::Line_Switches switches;
    Chart_Outcome outcome;
};

// ---- Humidity-ratio tables ----

TEST_F(Earlier_Chart_Test, AHLevelsAreHundredthsUpToTheSaturationAtSeventyDegrees) {
    const auto& wsat = chart.W_Grid[Saturation_Row];
    // About 0.2767 kg/kg at 70 degree C: levels 0 to 0.27.
    ASSERT_EQ(moistrel::AH_Level_Count(wsat[110]), 28);
    for (int n = 0; n < 28; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(ah_lines.AH_Level[n], static_cast<float>(n * 0.01L));
        // Each level meets the curve on the segment that ends at the first index reaching it.
        const int j = static_cast<int>(std::floor(ah_lines.AH_Start_X[n])) + 1;
        if (n == 0) continue;
        EXPECT_LT(wsat[j - 1], ah_lines.AH_Level[n]);
        EXPECT_GE(wsat[j], ah_lines.AH_Level[n]);
    }
    EXPECT_EQ(ah_lines.AH_Level[28], 0) << "no level beyond the count is written";
    // Level 0 lies below the curve at -20 degree C, where the search starts, and is extrapolated
    // from the segment 19..20: about -30.9 degree C.
    const long double w19 = wsat[19];
    const long double w20 = wsat[20];
    EXPECT_EQ(ah_lines.AH_Start_X[0], static_cast<float>(19 + (0 - w19) / (w20 - w19)));
    EXPECT_NEAR(ah_lines.AH_Start_X[0], 9.1, 0.05);
}

TEST_F(Earlier_Chart_Test, LowPressuresStopAtTheThirtiethLevel) {
    const struct {
        float Patm;
        int unbounded;  // floor(100 x Wsat(110)) + 1
        int count;
    } cases[] = {{101.325f, 28, 28}, {95.0f, 31, 30}, {90.0f, 33, 30}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Patm);
        set_pressure(c.Patm);
        const float w70 = chart.W_Grid[Saturation_Row][110];
        EXPECT_EQ(static_cast<int>(std::floor(100.0L * w70)) + 1, c.unbounded);
        EXPECT_EQ(moistrel::AH_Level_Count(w70), c.count);
        EXPECT_EQ(ah_lines.AH_Level[c.count - 1], static_cast<float>((c.count - 1) * 0.01L));
    }
    EXPECT_EQ(moistrel::AH_Level_Count(NAN), 0);
}

// ---- The painter ----

TEST_F(Earlier_Chart_Test, AxisIsCentredOnTdbWithEachEdgeTruncatedOnItsOwn) {
    const struct {
        int half_span;
        float tdb;
        int tmin;
        int tmax;
        bool cut;
    } cases[] = {
        {10, 20, 10, 30, false},  {10, 5.5f, -4, 15, false},  {10, -15.5f, -25, -5, false},
        {10, 65, 50, 70, false},  {10, -40, -40, -20, false}, {5, 20, 15, 25, false},
        {55, 20, -40, 70, false}, {60, 20, -40, 70, true},    {60, -30, -40, 70, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.half_span) + " " + std::to_string(c.tdb));
        chart.Half_Span = c.half_span;
        set_state(c.tdb);
        draw();
        EXPECT_EQ(chart.Tmin_Index - 40, c.tmin);
        EXPECT_EQ(chart.Tmax_Index - 40, c.tmax);
        EXPECT_EQ(outcome.disable_zoom_out, c.cut);
        EXPECT_FALSE(outcome.stopped_by);
        EXPECT_EQ(chart.X_Scale, static_cast<float>(550.0L / (c.tmax - c.tmin)));
        EXPECT_EQ(chart.Y_Scale, static_cast<float>(480.0L / chart.W_Grid[Saturation_Row][chart.Tmax_Index]));
        // The H and SV tables are rebuilt for this axis and state.
        EXPECT_EQ(chart.H_Start_X[State_Line], static_cast<float>(state.Twb + 40.0L));
    }
}

TEST_F(Earlier_Chart_Test, WithEveryFamilyOffOnlyTheFrameAndTheMarkersAreDrawn) {
    draw();
    EXPECT_EQ(chart.X_Scale, 27.5f);
    ASSERT_FALSE(ops().empty());
    const Canvas_Op& background = ops()[0];
    EXPECT_EQ(describe(background), "bitmap 0,0 577,497");
    ASSERT_TRUE(background.pixels);
    EXPECT_EQ(background.pixels->size(), 577u * 497 * 3);
    EXPECT_EQ(std::count(background.pixels->begin(), background.pixels->end(), 0xFF),
              static_cast<long>(background.pixels->size()));

    Texts expected;
    const auto& wsat = chart.W_Grid[Saturation_Row];
    expected.push_back(move(0, y_w(wsat[50])));
    for (int i = 50; i <= 70; ++i) expected.push_back(line(x_u(static_cast<float>(i)), y_w(wsat[i])));
    expected.push_back(line(550, 480));
    expected.push_back(line(0, 480));
    // The markers: the state, its dew point, its wet bulb with its enthalpy line, its SV line.
    const int x = x_t(state.Tdb);
    const int y = y_w(state.AH);
    const int dx = x_t(state.Tdp);
    const int wx = x_u(chart.H_Start_X[State_Line]);
    const int wy = y_w(chart.H_Start_Y[State_Line]);
    const Texts markers{dot(x, y),
                        text(x - 25, y + 5, "Tdb"),
                        move(x, 480),
                        line(x, y_w(Calc_Property(Kind_AH, state.Patm, state.Pws))),
                        move(dx, y),
                        dot(dx, y),
                        line(550, y),
                        text(dx - 25, y - 15, "Tdp"),
                        dot(wx, wy),
                        text(wx, wy - 15, "Twb"),
                        move(wx, wy),
                        line(x_u(chart.H_End_X[State_Line]), y_w(chart.H_End_Y[State_Line])),
                        move(x_u(chart.SV_Start_X[State_Line]), y_w(chart.SV_Start_Y[State_Line])),
                        line(x_u(chart.SV_End_X[State_Line]), y_w(chart.SV_End_Y[State_Line]))};
    expected.insert(expected.end(), markers.begin(), markers.end());
    EXPECT_EQ(describe(Ops(ops().begin() + 1, ops().end())), expected);

    const ui::Font default_font;
    const ui::Brush default_brush;
    for (std::size_t k = 1; k < ops().size(); ++k) {
        const Canvas_Op& op = ops()[k];
        const bool marker = k > 1 + 21 + 2;
        EXPECT_EQ(op.pen.color, marker ? chart::chart_color::Blue : chart::chart_color::Black) << describe(op);
        EXPECT_EQ(op.pen.width, marker ? 2 : 1) << describe(op);
        EXPECT_EQ(op.brush, default_brush) << describe(op);
        EXPECT_EQ(op.font, default_font) << describe(op);
    }
    EXPECT_EQ(image.canvas().pen.width, 1);
}

TEST_F(Earlier_Chart_Test, FamiliesComeAfterTheMarkersInTheirOrderAndColours) {
    all_on();
    draw();
    std::vector<ui::Color> family_pens;
    bool after_markers = false;
    for (const Canvas_Op& op : ops()) {
        if (op.pen.width == 2) after_markers = true;
        if (!after_markers || op.pen.width == 2 || !is_path(op)) continue;
        if (family_pens.empty() || family_pens.back() != op.pen.color) family_pens.push_back(op.pen.color);
    }
    EXPECT_EQ(family_pens,
              (std::vector<ui::Color>{chart::chart_color::Red, chart::chart_color::Blue, chart::chart_color::Green,
                                      chart::chart_color::Blue, chart::chart_color::Black}));
    for (const Canvas_Op& op : ops()) {
        EXPECT_EQ(op.font, ui::Font{}) << describe(op);
        EXPECT_EQ(op.brush, ui::Brush{}) << describe(op);
    }
}

Ops width_one(const Ops& ops) {
    return select(ops, [](const Canvas_Op& op) { return op.pen.width == 1; });
}

TEST_F(Earlier_Chart_Test, RHCurvesAreLabelledAtTheirRightEnd) {
    switches.rh_lines = true;
    draw();
    Texts lines;
    Texts labels;
    for (int r = 1; r <= 10; ++r) {
        const auto& curve = chart.W_Grid[r];
        lines.push_back(move(0, y_w(curve[50])));
        for (int i = 50; i <= 70; ++i) lines.push_back(line(x_u(static_cast<float>(i)), y_w(curve[i])));
        labels.push_back(text(550 - 18, y_w(curve[70]) + 3, std::to_string(10 * r)));
    }
    EXPECT_EQ(describe(paths_in(ops(), chart::chart_color::Red)), lines);
    EXPECT_EQ(describe(select(width_one(ops()), is_text)), labels);
}

TEST_F(Earlier_Chart_Test, TemperatureLinesAtEveryDegreeEvenWhenTheyCrowd) {
    switches.t_lines = true;
    for (const int half_span : {10, 60}) {
        SCOPED_TRACE(half_span);
        chart.Half_Span = half_span;
        draw();
        Texts lines;
        Texts labels;
        for (int i = chart.Tmin_Index; i <= chart.Tmax_Index; ++i) {
            const int x = x_u(chart.Sat_X[i]);
            lines.push_back(move(x, 480));
            lines.push_back(line(x, y_w(chart.Sat_Y[i])));
            labels.push_back(text(x - 7, 483, std::to_string(i - 40)));
        }
        EXPECT_EQ(describe(paths_in(width_one(ops()), chart::chart_color::Blue)), lines);
        EXPECT_EQ(describe(select(width_one(ops()), is_text)), labels);
    }
    EXPECT_EQ(strings_of(select(width_one(ops()), is_text)).front(), "-40");
}

TEST_F(Earlier_Chart_Test, AHLinesUpToTheRightEdgesSaturationLabelledInKilogramsPerKilogram) {
    switches.ah_lines = true;
    const struct {
        float Patm;
        float tdb;
        int lines;
        const char* last_label;
    } cases[] = {
        {Standard_Patm, 20, 3, "0.02"},  // 100 x Wsat at 30 degree C is about 2.72
        {Standard_Patm, 65, 28, "0.27"},
        {90, 65, 30, "0.29"},  // 33 levels would reach the right edge: the tables hold 30
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Patm) + " " + std::to_string(c.tdb));
        set_pressure(c.Patm);
        set_state(c.tdb);
        draw();
        Texts lines;
        Texts labels;
        for (int n = 0; n < c.lines; ++n) {
            const int y = y_w(ah_lines.AH_Level[n]);
            const float d = ah_lines.AH_Start_X[n] - static_cast<float>(chart.Tmin_Index);
            lines.push_back(move(d > 0 ? x_u(ah_lines.AH_Start_X[n]) : 0, y));
            lines.push_back(line(550, y));
            if (n > 0) labels.push_back(text(553, y - 5, numtext::format_general(n * 0.01L)));
        }
        EXPECT_EQ(lines.front(), move(0, 480)) << "level 0 lies on the bottom axis";
        EXPECT_EQ(describe(paths_in(ops(), chart::chart_color::Green)), lines);
        EXPECT_EQ(describe(select(width_one(ops()), is_text)), labels);
        EXPECT_EQ(labels.back(), text(553, y_w(ah_lines.AH_Level[c.lines - 1]) - 5, c.last_label));
    }
}

TEST_F(Earlier_Chart_Test, EnthalpyAndVolumeLinesAreDrawnWholeAndLabelledWithSixCharacters) {
    struct Family {
        const char* name;
        bool moistrel::Line_Switches::*box;
        ui::Color pen;
        const std::array<float, Line_Count>& start_x;
        const std::array<float, Line_Count>& start_y;
        const std::array<float, Line_Count>& end_x;
        const std::array<float, Line_Count>& end_y;
        float (*saturation_value)(float Patm, float T);
        bool at_midpoint;
    };
    const Family families[] = {
        {"H", &moistrel::Line_Switches::h_lines, chart::chart_color::Blue, chart.H_Start_X, chart.H_Start_Y,
         chart.H_End_X, chart.H_End_Y, Saturation_Enthalpy, true},
        {"SV", &moistrel::Line_Switches::sv_lines, chart::chart_color::Black, chart.SV_Start_X, chart.SV_Start_Y,
         chart.SV_End_X, chart.SV_End_Y, Saturation_Volume, false},
    };
    for (const Family& family : families) {
        for (const float tdb : {20.0f, 65.0f}) {
            SCOPED_TRACE(std::string(family.name) + " at " + std::to_string(tdb));
            switches = {};
            switches.*family.box = true;
            set_state(tdb);
            draw();
            Texts lines;
            Texts labels;
            int from_left = 0;
            for (int i = 0; i < chart.Tmax_Index; ++i) {
                const long double origin = family.start_x[chart.Tmin_Index];
                if (!(family.end_x[i] - origin > 0)) continue;
                const int sx = static_cast<int>((family.start_x[i] - origin) * chart.X_Scale);
                from_left += sx < 0;
                lines.push_back(move(sx, y_w(family.start_y[i])));
                lines.push_back(
                    line(static_cast<int>((family.end_x[i] - origin) * chart.X_Scale), y_w(family.end_y[i])));
                const long double mx = (static_cast<long double>(family.start_x[i]) + family.end_x[i]) * 0.5L;
                const long double my = (static_cast<long double>(family.start_y[i]) + family.end_y[i]) * 0.5L;
                const int lx = family.at_midpoint ? static_cast<int>((mx - chart.Tmin_Index) * chart.X_Scale)
                                                  : x_u(family.start_x[i]);
                const int ly = family.at_midpoint ? static_cast<int>(480 - my * chart.Y_Scale) : y_w(family.start_y[i]);
                const std::string value =
                    numtext::format_general(family.saturation_value(state.Patm, static_cast<float>(i - 40)));
                labels.push_back(text(lx, ly, value.substr(0, 6)));
            }
            EXPECT_GE(from_left, 1) << "lines starting left of the plot are drawn from a negative x";
            // The family follows the markers directly and ends the drawing.
            const auto first = ops().end() - static_cast<long>(lines.size() + labels.size());
            EXPECT_EQ((first - 1)->pen.width, 2);
            const Ops family_ops(first, ops().end());
            Texts expected;
            for (std::size_t k = 0; k < labels.size(); ++k) {
                expected.insert(expected.end(), {lines[2 * k], lines[2 * k + 1], labels[k]});
            }
            EXPECT_EQ(describe(family_ops), expected);
        }
    }
}

TEST_F(Earlier_Chart_Test, TheSaturationEnthalpyAtTwentyDegreesIsLabelledCutToSixCharacters) {
    switches.h_lines = true;
    draw();
    EXPECT_EQ(numtext::format_general(Saturation_Enthalpy(Standard_Patm, 20)).substr(0, 7), "57.4048");
    const Texts labels = strings_of(select(width_one(ops()), is_text));
    EXPECT_NE(std::find(labels.begin(), labels.end(), "57.404"), labels.end());
}

}  // namespace
