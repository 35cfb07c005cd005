#include "tests/main/main_window_test.h"

using chart::Mode_Pad;
using chart::Mode_Process;
using chart::Mode_State;

namespace {

class View_Commands_Test : public Main_Window_Test {
protected:
    View_Commands_Test() { form.show(); }

    void click_times(const std::string& name, int times) {
        for (int i = 0; i < times; ++i) driver.click(name);
    }
    int axis_width() const { return chart().Tmax_Index - chart().Tmin_Index; }
};

TEST_F(View_Commands_Test, ZoomingInToFiveDisablesZoomInAndZoomingOutEnablesItAgain) {
    driver.click("ZoomIn");
    EXPECT_EQ(chart().Half_Span, 5);
    EXPECT_EQ(axis_width(), 10);
    EXPECT_FALSE(driver.get<ui::Button>("ZoomIn").enabled());
    driver.click("ZoomIn");
    EXPECT_EQ(chart().Half_Span, 5) << "a disabled button is not pressed";
    driver.click("ZoomOut");
    EXPECT_EQ(chart().Half_Span, 10);
    EXPECT_TRUE(driver.get<ui::Button>("ZoomIn").enabled());
}

TEST_F(View_Commands_Test, ThePainterDisablesZoomOutOnlyAtSixty) {
    const struct {
        int clicks;
        int half_span;
        int tmin;
        int tmax;
        bool zoom_out_enabled;
    } steps[] = {
        {8, 50, 10, 110, true},  // centred on 20: -30..70
        {1, 55, 0, 110, true},   // the axis already covers -40..70
        {1, 60, 0, 110, false},  // clamped at both ends
    };
    for (const auto& step : steps) {
        click_times("ZoomOut", step.clicks);
        EXPECT_EQ(chart().Half_Span, step.half_span);
        EXPECT_EQ(chart().Tmin_Index, step.tmin) << step.half_span;
        EXPECT_EQ(chart().Tmax_Index, step.tmax) << step.half_span;
        EXPECT_EQ(driver.get<ui::Button>("ZoomOut").enabled(), step.zoom_out_enabled) << step.half_span;
    }
    EXPECT_FLOAT_EQ(chart().X_Scale, 5);
    driver.click("ZoomIn");
    EXPECT_EQ(chart().Half_Span, 55);
    EXPECT_TRUE(driver.get<ui::Button>("ZoomOut").enabled());
    EXPECT_EQ(axis_width(), 110);
}

TEST_F(View_Commands_Test, TheDefaultViewRecentresOnTheTruncatedTdbAndRedrawsInStateMode) {
    click_times("ZoomOut", 2);
    forced_state().Tdb = -5.7f;
    forced_chart().Chart_Mode = Mode_Pad;
    driver.click("Btn_default");
    EXPECT_EQ(chart().Half_Span, 10);
    EXPECT_EQ(chart().Center_T, -5);
    EXPECT_EQ(chart().Tmin_Index, 25);
    EXPECT_EQ(chart().Tmax_Index, 45);
    EXPECT_EQ(chart().Chart_Mode, Mode_State);
    EXPECT_TRUE(driver.get<ui::Button>("ZoomIn").enabled());
    EXPECT_TRUE(driver.get<ui::Button>("ZoomOut").enabled());
}

TEST_F(View_Commands_Test, EveryLineSwitchAndUnitLabelRepaintsButCentralizeDoesNot) {
    for (const char* name : {"Check_T", "Check_RH", "Check_AH", "Check_H", "Check_SV", "Check_Pw", "Check_unit"}) {
        driver.get<ui::Image>("Chart_Image").canvas().clear();
        driver.click(name);
        EXPECT_FALSE(driver.get<ui::Image>("Chart_Image").canvas().ops().empty()) << name;
    }
    driver.get<ui::Image>("Chart_Image").canvas().clear();
    driver.click("Check_auto");
    EXPECT_TRUE(driver.get<ui::Image>("Chart_Image").canvas().ops().empty());
    driver.execute("DrawPsy");
    EXPECT_FALSE(driver.get<ui::Image>("Chart_Image").canvas().ops().empty()) << "the DrawPsy action repaints too";
}

TEST_F(View_Commands_Test, AFailedDrawingKeepsItsModeSoEveryRedrawRepeatsTheMessage) {
    application.dispatch([&] { form.Draw_Chart(Mode_Process); });
    EXPECT_EQ(chart().Chart_Mode, Mode_Process);
    EXPECT_EQ(front_end.take_box_texts(), Names{"'' is not a valid floating point value."});
    driver.click("ZoomIn");
    EXPECT_EQ(front_end.take_box_texts(), Names{"'' is not a valid floating point value."});
    driver.click("Btn_default");
    EXPECT_TRUE(front_end.take_box_texts().empty());
    driver.click("ZoomIn");
    EXPECT_TRUE(front_end.take_box_texts().empty()) << "from the default view on, redraws are in state mode";
}

TEST_F(View_Commands_Test, ZoomOutIsDisabledAtSixtyEvenWhenTheDrawingFails) {
    click_times("ZoomOut", 9);
    forced_chart().Chart_Mode = Mode_Process;
    driver.click("ZoomOut");
    EXPECT_EQ(front_end.take_box_texts(), Names{"'' is not a valid floating point value."});
    EXPECT_EQ(chart().Half_Span, 60);
    EXPECT_FALSE(driver.get<ui::Button>("ZoomOut").enabled());
    driver.execute("DrawPsy");
    EXPECT_EQ(front_end.take_box_texts(), Names{"'' is not a valid floating point value."});
    EXPECT_FALSE(driver.get<ui::Button>("ZoomOut").enabled()) << "a redraw never enables it again";
}

TEST_F(View_Commands_Test, TheStepLabelFollowsTheStepBarWithoutARepaint) {
    driver.get<ui::Image>("Chart_Image").canvas().clear();
    driver.move_track_bar("MoveBar", 10);
    EXPECT_EQ(text("Move_Label"), "10");
    driver.press(ui::Key::Home);
    EXPECT_EQ(text("Move_Label"), "1");
    EXPECT_TRUE(driver.get<ui::Image>("Chart_Image").canvas().ops().empty());
}

}  // namespace
