#include <algorithm>
#include <string>

#include "chart/chart_colors.h"
#include "engine/property.h"
#include "tests/earlier/earlier_chart_test.h"

using chart::Saturation_Row;

namespace {

using namespace canvas_ops;

// The pen colours of the one-pixel paths after the markers, in order of first use.
std::vector<ui::Color> family_pens(const Ops& ops) {
    std::vector<ui::Color> pens;
    bool after_markers = false;
    for (const Canvas_Op& op : ops) {
        if (op.pen.width == 2) after_markers = true;
        if (!after_markers || op.pen.width != 1 || !is_path(op)) continue;
        if (std::find(pens.begin(), pens.end(), op.pen.color) == pens.end()) pens.push_back(op.pen.color);
    }
    return pens;
}

Texts texts_at_x(const Ops& ops, int x) {
    Texts texts;
    for (const Canvas_Op& op : ops)
        if (is_text(op) && op.x1 == x) texts.push_back(op.text);
    return texts;
}

using Chart_View_Test = Earlier_Chart_Window_Test;

TEST_F(Chart_View_Test, StartDrawsTheTwentyDegreeAxisWithTheRHAndTemperatureLines) {
    EXPECT_EQ(axis_tmin(), 10);
    EXPECT_EQ(axis_tmax(), 30);
    EXPECT_EQ(chart().X_Scale, 27.5f);
    ASSERT_FALSE(ops().empty());
    EXPECT_EQ(describe(ops().front()), "bitmap 0,0 577,497");
    EXPECT_EQ(family_pens(ops()), (std::vector<ui::Color>{chart::chart_color::Red, chart::chart_color::Blue}));
    // The humidity-ratio lines of the start pressure: 0 to 0.27 kg/kg.
    EXPECT_EQ(form.view().AH_Tables.AH_Level[1], 0.01f);
    EXPECT_EQ(form.view().AH_Tables.AH_Level[27], 0.27f);
    EXPECT_NEAR(form.view().AH_Tables.AH_Start_X[0], 9.1, 0.05);
    EXPECT_TRUE(driver.get<ui::Button>("ZoomIn").enabled());
    EXPECT_TRUE(driver.get<ui::Button>("ZoomOut").enabled());
}

TEST_F(Chart_View_Test, ZoomInStopsAtFiveAndZoomOutEnablesItAgain) {
    driver.click("ZoomIn");
    EXPECT_EQ(chart().Half_Span, 5);
    EXPECT_EQ(axis_tmin(), 15);
    EXPECT_EQ(axis_tmax(), 25);
    EXPECT_FALSE(driver.get<ui::Button>("ZoomIn").enabled());
    driver.click("ZoomIn");
    EXPECT_EQ(chart().Half_Span, 5) << "a disabled button is not pressed";
    driver.click("ZoomOut");
    EXPECT_EQ(chart().Half_Span, 10);
    EXPECT_TRUE(driver.get<ui::Button>("ZoomIn").enabled());
    EXPECT_EQ(axis_tmin(), 10);
}

TEST_F(Chart_View_Test, TheDrawingDisablesZoomOutAtSixtyAndTheDefaultViewEnablesBoth) {
    const struct {
        int clicks;
        int half_span;
        int tmin;
        int tmax;
        bool zoom_out_enabled;
    } steps[] = {
        {8, 50, -30, 70, true},   // centred on 20
        {1, 55, -40, 70, true},   // already the whole range
        {1, 60, -40, 70, false},  // cut at both ends
    };
    for (const auto& step : steps) {
        click_times("ZoomOut", step.clicks);
        EXPECT_EQ(chart().Half_Span, step.half_span);
        EXPECT_EQ(axis_tmin(), step.tmin) << step.half_span;
        EXPECT_EQ(axis_tmax(), step.tmax) << step.half_span;
        EXPECT_EQ(driver.get<ui::Button>("ZoomOut").enabled(), step.zoom_out_enabled) << step.half_span;
    }
    driver.click("ZoomIn");
    EXPECT_EQ(chart().Half_Span, 55);
    EXPECT_TRUE(driver.get<ui::Button>("ZoomOut").enabled());

    click_times("ZoomOut", 1);
    EXPECT_FALSE(driver.get<ui::Button>("ZoomOut").enabled());
    enter("Edit_tdb", "5.5");
    driver.click("BitBtn5");
    EXPECT_EQ(chart().Half_Span, 10);
    EXPECT_TRUE(driver.get<ui::Button>("ZoomIn").enabled());
    EXPECT_TRUE(driver.get<ui::Button>("ZoomOut").enabled());
    // Centred on Tdb with each edge truncated on its own.
    EXPECT_EQ(axis_tmin(), -4);
    EXPECT_EQ(axis_tmax(), 15);

    click_times("ZoomIn", 1);
    EXPECT_FALSE(driver.get<ui::Button>("ZoomIn").enabled());
    driver.click("BitBtn5");
    EXPECT_TRUE(driver.get<ui::Button>("ZoomIn").enabled());
}

TEST_F(Chart_View_Test, EachLineSwitchRedrawsAtOnceWithItsFamily) {
    for (const char* box : {"Check_T", "Check_RH"}) driver.click(box);
    ASSERT_EQ(family_pens(ops()), std::vector<ui::Color>{}) << "every family cleared";
    const struct {
        const char* box;
        ui::Color pen;
    } switches[] = {
        {"Check_RH", chart::chart_color::Red},   {"Check_T", chart::chart_color::Blue},
        {"Check_AH", chart::chart_color::Green}, {"Check_H", chart::chart_color::Blue},
        {"Check_SV", chart::chart_color::Black},
    };
    for (const auto& s : switches) {
        SCOPED_TRACE(s.box);
        canvas().clear();
        driver.click(s.box);
        EXPECT_EQ(family_pens(ops()), std::vector<ui::Color>{s.pen});
        canvas().clear();
        driver.click(s.box);
        EXPECT_FALSE(ops().empty()) << "clearing the switch redraws too";
        EXPECT_EQ(family_pens(ops()), std::vector<ui::Color>{});
    }
    canvas().clear();
    driver.execute("DrawPsy");
    EXPECT_FALSE(ops().empty()) << "the action redraws";
}

// At 90 kPa air holds more than 0.29 kg/kg at 70 degree C; the tables stop at their 30th level.
TEST_F(Chart_View_Test, AtNinetyKilopascalsTheHumidityRatioLinesStopAtTheThirtiethLevel) {
    apply_pressure("90");
    ASSERT_EQ(state().Patm, 90.0f);
    ASSERT_GE(100 * chart().W_Grid[Saturation_Row][110], 32);
    EXPECT_EQ(form.view().AH_Tables.AH_Level[29], 0.29f);
    enter("Edit_tdb", "65");
    driver.click("Check_AH");
    EXPECT_EQ(axis_tmax(), 70);
    Texts labels;
    for (int n = 1; n < 30; ++n)
        labels.push_back(n % 10 ? "0." + std::string(n < 10 ? "0" : "") + std::to_string(n)
                                : "0." + std::to_string(n / 10));
    EXPECT_EQ(texts_at_x(ops(), 553), labels);
    EXPECT_TRUE(front_end.boxes.empty());
}

}  // namespace
