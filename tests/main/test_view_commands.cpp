#include "tests/main/main_window_test.h"

namespace {

class View_Commands_Test : public Main_Window_Test {
protected:
    View_Commands_Test() { form.show(); }

    void click_times(const std::string& name, int times) {
        for (int i = 0; i < times; ++i) driver.click(name);
    }
    int axis_width() const { return form.Chart.Tmax_Index - form.Chart.Tmin_Index; }
};

TEST_F(View_Commands_Test, ZoomingInToFiveDisablesZoomInAndZoomingOutEnablesItAgain) {
    driver.click("ZoomIn");
    EXPECT_EQ(form.Chart.Half_Span, 5);
    EXPECT_EQ(axis_width(), 10);
    EXPECT_FALSE(form.ZoomIn->enabled());
    driver.click("ZoomIn");
    EXPECT_EQ(form.Chart.Half_Span, 5) << "a disabled button is not pressed";
    driver.click("ZoomOut");
    EXPECT_EQ(form.Chart.Half_Span, 10);
    EXPECT_TRUE(form.ZoomIn->enabled());
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
        EXPECT_EQ(form.Chart.Half_Span, step.half_span);
        EXPECT_EQ(form.Chart.Tmin_Index, step.tmin) << step.half_span;
        EXPECT_EQ(form.Chart.Tmax_Index, step.tmax) << step.half_span;
        EXPECT_EQ(form.ZoomOut->enabled(), step.zoom_out_enabled) << step.half_span;
    }
    EXPECT_FLOAT_EQ(form.Chart.X_Scale, 5);
    driver.click("ZoomIn");
    EXPECT_EQ(form.Chart.Half_Span, 55);
    EXPECT_TRUE(form.ZoomOut->enabled());
    EXPECT_EQ(axis_width(), 110);
}

TEST_F(View_Commands_Test, TheDefaultViewRecentresOnTheTruncatedTdbAndRedrawsInStateMode) {
    click_times("ZoomOut", 2);
    form.State.Tdb = -5.7f;
    form.Chart.Chart_Mode = Mode_Pad;
    driver.click("Btn_default");
    EXPECT_EQ(form.Chart.Half_Span, 10);
    EXPECT_EQ(form.Chart.Center_T, -5);
    EXPECT_EQ(form.Chart.Tmin_Index, 25);
    EXPECT_EQ(form.Chart.Tmax_Index, 45);
    EXPECT_EQ(form.Chart.Chart_Mode, Mode_State);
    EXPECT_TRUE(form.ZoomIn->enabled());
    EXPECT_TRUE(form.ZoomOut->enabled());
}

TEST_F(View_Commands_Test, EveryLineSwitchAndUnitLabelRepaintsButCentralizeDoesNot) {
    for (const char* name : {"Check_T", "Check_RH", "Check_AH", "Check_H", "Check_SV", "Check_Pw", "Check_unit"}) {
        form.Chart_Image->canvas().clear();
        driver.click(name);
        EXPECT_FALSE(form.Chart_Image->canvas().ops().empty()) << name;
    }
    form.Chart_Image->canvas().clear();
    driver.click("Check_auto");
    EXPECT_TRUE(form.Chart_Image->canvas().ops().empty());
    form.DrawPsy->execute();
    EXPECT_FALSE(form.Chart_Image->canvas().ops().empty()) << "the DrawPsy action repaints too";
}

TEST_F(View_Commands_Test, AFailedDrawingKeepsItsModeSoEveryRedrawRepeatsTheMessage) {
    application.dispatch([&] { form.Draw_Chart(Mode_Process); });
    EXPECT_EQ(form.Chart.Chart_Mode, Mode_Process);
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
    form.Chart.Chart_Mode = Mode_Process;
    driver.click("ZoomOut");
    EXPECT_EQ(front_end.take_box_texts(), Names{"'' is not a valid floating point value."});
    EXPECT_EQ(form.Chart.Half_Span, 60);
    EXPECT_FALSE(form.ZoomOut->enabled());
    application.dispatch([&] { form.DrawPsy->execute(); });
    EXPECT_EQ(front_end.take_box_texts(), Names{"'' is not a valid floating point value."});
    EXPECT_FALSE(form.ZoomOut->enabled()) << "a redraw never enables it again";
}

TEST_F(View_Commands_Test, TheStepLabelFollowsTheStepBarWithoutARepaint) {
    form.Chart_Image->canvas().clear();
    driver.move_track_bar("MoveBar", 10);
    EXPECT_EQ(text("Move_Label"), "10");
    driver.press(ui::Key::Home);
    EXPECT_EQ(text("Move_Label"), "1");
    EXPECT_TRUE(form.Chart_Image->canvas().ops().empty());
}

}  // namespace
