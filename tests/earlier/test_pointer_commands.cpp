#include <cmath>
#include <string>

#include "earlier/chart/pointer_texts.h"
#include "engine/property.h"
#include "tests/earlier/earlier_chart_test.h"

using state::Air_State;

namespace {

using ui::Mouse_Button;

constexpr const char* Prompt = "按滑鼠按鍵決定欲查詢點";

class Pointer_Commands_Test : public Earlier_Chart_Window_Test {
protected:
    void set_step(int step) { driver.move_track_bar("MoveBar", step); }
    // Panel 0 names the point that became the state.
    std::string point_text() const { return moistrel::Point_Text(state().Tdb, state().RH); }
};

// On the start axis 10..30 degree C.
TEST_F(Pointer_Commands_Test, AMoveReadsOutThePointAndChangesNothingElse) {
    const struct {
        int X, Y;
        const char* readout;
    } moves[] = {
        {275, 240, "目前:Tdb:20.00,RH:92.72,Tdp:18.63,Twb:19.26,H:54.63,SV:0.849,AH:0.014"},
        {0, 400, "目前:Tdb:10.00,RH:59.71,Tdp:2.57,Twb:6.57,H:21.48,SV:0.808,AH:0.005"},
        {275, -5, "目前:Tdb:20.00,RH:100.00,Tdp:20.00,Twb:20.00,H:57.40,SV:0.850,AH:0.015"},
        {576, -3, "目前:Tdb:30.00,RH:100.00,Tdp:30.00,Twb:30.00,H:99.69,SV:0.896,AH:0.027"},
        {275, 480, "目前:Tdb:20.00,RH:0.00,Tdp:-25.45,Twb:6.21,H:20.12,SV:0.830,AH:0.000"},
        {275, 502, "目前:Tdb:20.00,RH:0.00,Tdp:-25.45,Twb:6.21,H:20.12,SV:0.830,AH:0.000"},
        {-2000, 300, "目前:Tdb:-40.00,RH:100.00,Tdp:-40.00,Twb:-40.00,H:-40.04,SV:0.661,AH:0.000"},
    };
    driver.mouse_down("Chart_Image", 275, 300);
    ASSERT_EQ(axis_tmin(), 10);
    const Air_State start = state();
    const Names shown = panel_texts();
    const std::string point = panel(0);
    for (const auto& move : moves) {
        SCOPED_TRACE(std::to_string(move.X) + ", " + std::to_string(move.Y));
        // The background empties the prompt and the readout.
        driver.mouse_move("Form1", 700, 500);
        ASSERT_EQ(panel(1), "");
        canvas().clear();
        driver.mouse_move("Chart_Image", move.X, move.Y);
        EXPECT_EQ(panel(2), move.readout);
        EXPECT_EQ(panel(1), Prompt);
        EXPECT_EQ(panel(0), point);
        EXPECT_TRUE(ops().empty()) << "a move never redraws";
        EXPECT_EQ(panel_texts(), shown);
        EXPECT_EQ(state().Tdb, start.Tdb);
        EXPECT_EQ(state().RH, start.RH);
        EXPECT_EQ(state().Pw, start.Pw);
    }
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(Pointer_Commands_Test, AClickWithAnyButtonMakesThePointTheState) {
    const struct {
        int X, Y;
        Mouse_Button button;
        const char* point;
        float Tdb, RH;
    } clicks[] = {
        {275, 240, Mouse_Button::Left, "圖點：乾球溫度：20.00℃,相對溼度：92.72％", 20, 92.716179f},
        {0, 400, Mouse_Button::Right, "圖點：乾球溫度：10.00℃,相對溼度：59.71％", 10, 59.713459f},
        {560, 100, Mouse_Button::Middle, "圖點：乾球溫度：30.00℃,相對溼度：79.86％", 30, 79.863892f},
        {576, 100, Mouse_Button::Left, "圖點：乾球溫度：30.00℃,相對溼度：79.86％", 30, 79.863892f},
        {275, 480, Mouse_Button::Left, "圖點：乾球溫度：20.00℃,相對溼度：0.00％", 20, 0.001f},
        {275, 496, Mouse_Button::Right, "圖點：乾球溫度：20.00℃,相對溼度：0.00％", 20, 0.001f},
        {275, -5, Mouse_Button::Left, "圖點：乾球溫度：20.00℃,相對溼度：100.00％", 20, 100},
    };
    for (const auto& click : clicks) {
        SCOPED_TRACE(click.point);
        enter("Edit_tdb", "20");
        ASSERT_EQ(axis_tmin(), 10);
        canvas().clear();
        driver.mouse_down("Chart_Image", click.X, click.Y, click.button);
        EXPECT_EQ(panel(0), click.point);
        EXPECT_FLOAT_EQ(state().Tdb, click.Tdb);
        EXPECT_FLOAT_EQ(state().RH, click.RH);
        EXPECT_EQ(state().Pws, Calc_Property(Kind_Pws, click.Tdb));
        if (click.RH == 0.001f) {
            EXPECT_EQ(state().Pw, 0.0001f);
        }
        if (click.RH == 100) {
            EXPECT_EQ(state().Pw, state().Pws);
            EXPECT_EQ(state().Tdp, click.Tdb);
            EXPECT_EQ(state().Twb, click.Tdb);
        }
        EXPECT_FALSE(ops().empty()) << "the click shows the state and redraws";
    }
    EXPECT_TRUE(front_end.boxes.empty());
}

// The click moves no focus and clears nothing: a typed text is replaced by the new state's, and
// leaving the field later takes that.
TEST_F(Pointer_Commands_Test, AClickLeavesTheFocusAndTheMessageLinesAlone) {
    driver.enter_text("Edit_rh", "77");
    ASSERT_EQ(text("Message1"), "相對溼度");
    driver.mouse_down("Chart_Image", 275, 240);
    EXPECT_EQ(driver.focused_name(), "Edit_rh");
    EXPECT_EQ(text("Message1"), "相對溼度");
    EXPECT_EQ(text("Edit_rh"), "92.716");
    driver.press_into("Check_T");
    EXPECT_EQ(state().RH, 92.716f);
    EXPECT_EQ(state().Tdb, 20);
}

// With step 2 on the axis 10..30 degree C: 20 and 20.01 (xs 275 and 275.275) both reach xe 277.
TEST_F(Pointer_Commands_Test, SidewaysMovesLandOnTheWholePixelTheStepReaches) {
    const struct {
        const char* tdb;
        const char* button;
        float moved_Tdb;
    } cases[] = {
        {"20", "Btn_right", 20.072727f},
        {"20.01", "Btn_right", 20.072727f},
        {"20", "Btn_left", 19.927273f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.tdb) + " " + c.button);
        enter("Edit_rh", "50");
        enter("Edit_tdb", c.tdb);
        const float AH = state().AH;
        driver.click(c.button);
        EXPECT_FLOAT_EQ(state().Tdb, c.moved_Tdb);
        EXPECT_NEAR(state().AH, AH, 1e-7f) << "the humidity ratio is kept";
        EXPECT_EQ(panel(0), point_text());
    }
}

// The float round trip leaves the state a hair off its pixel about half the time; each press of
// a one-pixel step must still move the state by one whole pixel. From Tdb 20.5 twelve presses
// stay on the axis 10..30 that the first drawing chose.
TEST_F(Pointer_Commands_Test, EveryButtonMovesByOneWholePixelAtStepOne) {
    const struct {
        const char* button;
        bool horizontal;
        int sign;
    } buttons[] = {{"Btn_right", true, 1}, {"Btn_left", true, -1}, {"Btn_up", false, -1}, {"Btn_down", false, 1}};
    set_step(1);
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.button);
        enter("Edit_rh", "50");
        enter("Edit_tdb", "20.5");
        driver.click(b.button);
        for (int press = 0; press < 12; ++press) {
            const long double before = b.horizontal ? xs() : ys();
            const float Tdb = state().Tdb;
            driver.click(b.button);
            ASSERT_EQ(axis_tmin(), 10);
            const long double after = b.horizontal ? xs() : ys();
            EXPECT_NEAR(after - before, b.sign, 0.001L) << "press " << press;
            if (!b.horizontal) {
                EXPECT_EQ(state().Tdb, Tdb) << "up and down keep Tdb";
            }
            EXPECT_EQ(panel(0), point_text());
        }
    }
}

TEST_F(Pointer_Commands_Test, UpAndDownStopAtSaturationAndAtTheBottomAxis) {
    set_step(10);
    enter("Edit_rh", "100");
    driver.click("Btn_up");
    EXPECT_EQ(state().RH, 100);
    EXPECT_EQ(state().Pw, state().Pws);
    EXPECT_EQ(state().Tdp, 20);
    EXPECT_EQ(state().Twb, 20);

    enter("Edit_rh", "0.5");
    driver.click("Btn_down");
    EXPECT_EQ(state().Tdb, 20);
    EXPECT_EQ(state().RH, 0.001f);
    EXPECT_EQ(state().Pw, 0.0001f);
    EXPECT_EQ(panel(0), "圖點：乾球溫度：20.00℃,相對溼度：0.00％");
}

// Neither the left button nor a drag far left of the widest chart goes below -40 degree C.
TEST_F(Pointer_Commands_Test, NoTemperatureBelowMinusForty) {
    set_step(10);
    enter("Edit_tdb", "-40");
    for (int press = 0; press < 3; ++press) {
        driver.click("Btn_left");
        EXPECT_EQ(state().Tdb, -40) << press;
        EXPECT_EQ(state().Pws, Calc_Property(Kind_Pws, -40));
    }
    click_times("ZoomOut", 10);
    ASSERT_EQ(chart().X_Scale, 5);
    driver.mouse_move("Chart_Image", -5000, 300);
    EXPECT_EQ(panel(2).substr(0, 21), "目前:Tdb:-40.00,RH:");
    driver.mouse_down("Chart_Image", -5000, 300);
    EXPECT_EQ(state().Tdb, -40);
    EXPECT_TRUE(front_end.boxes.empty());
}

// Moved sideways, perfectly dry air stays dry and takes the dew point of the driest RH.
TEST_F(Pointer_Commands_Test, PerfectlyDryAirMovesSidewaysWithoutALogarithmOfZero) {
    for (const char* tdb : {"20", "-10"}) {
        for (const char* button : {"Btn_right", "Btn_left"}) {
            SCOPED_TRACE(std::string(tdb) + " " + button);
            enter("Edit_rh", "50");
            enter("Edit_tdb", tdb);
            enter("Edit_ah", "0");
            driver.click(button);
            EXPECT_NE(state().Tdb, std::stof(tdb));
            EXPECT_EQ(state().Pw, 0.0f);
            EXPECT_EQ(state().AH, 0.0f);
            EXPECT_EQ(state().RH, 0.0f);
            EXPECT_TRUE(std::isfinite(state().Tdp) && state().Tdp < state().Tdb);
            EXPECT_TRUE(std::isfinite(state().Twb) && state().Twb < state().Tdb);
            EXPECT_TRUE(front_end.boxes.empty());
        }
    }
}

}  // namespace
