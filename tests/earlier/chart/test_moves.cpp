#include "earlier/chart/moves.h"

#include <gtest/gtest.h>

#include <string>

#include "chart/chart_tables.h"
#include "chart/derive_state.h"
#include "chart/pixel_mapping.h"
#include "chart/pointer_state.h"
#include "earlier/chart/pointer_texts.h"
#include "engine/float_env.h"
#include "engine/property.h"
#include "state/air_state.h"

using chart::Calc_RHCurves;
using chart::Chart_Fields;
using chart::Saturation_Row;
using chart::Set_Point;
using chart::State_Under_Pointer;
using state::Air_State;
using state::Derive_From_Tdb_RH;

namespace {

using moistrel::Move_Button;

constexpr float Standard_Patm = 101.325f;

// The axis and scales a Moistrel drawing leaves for a Half_Span of 10 around a state.
class Earlier_Moves_Test : public ::testing::Test {
protected:
    Earlier_Moves_Test() {
        Calc_RHCurves(chart, Standard_Patm);
        set_axis(10, 30);
        state.Patm = Standard_Patm;
        set_state(20, 50);
    }
    void set_axis(int Tmin, int Tmax) {
        chart.Tmin_Index = Tmin + 40;
        chart.Tmax_Index = Tmax + 40;
        chart.X_Scale = engine::to_single(550.0L / (Tmax - Tmin));
        chart.Y_Scale = engine::to_single(480.0L / chart.W_Grid[Saturation_Row][chart.Tmax_Index]);
    }
    void set_state(float Tdb, float RH) {
        state.Tdb = Tdb;
        state.RH = RH;
        Derive_From_Tdb_RH(state);
    }
    void press(Move_Button button, int step) { Set_Point(state, moistrel::Move_Target(chart, state, button, step)); }
    long double xs() const { return (static_cast<long double>(state.Tdb) + 40 - chart.Tmin_Index) * chart.X_Scale; }
    long double ys() const { return 480 - static_cast<long double>(state.AH) * chart.Y_Scale; }

    Chart_Fields chart;
    Air_State state;
};

TEST_F(Earlier_Moves_Test, RightLandsOnTheWholePixelTheStepReaches) {
    // From xs = 275 and from xs = 275.275 alike: xe = 277, Tdb = 277 / 27.5 + 10.
    for (const float tdb : {20.0f, 20.01f}) {
        SCOPED_TRACE(tdb);
        set_state(tdb, 50);
        const float AH = state.AH;
        press(Move_Button::Right, 2);
        EXPECT_FLOAT_EQ(state.Tdb, 20.072727f);
        EXPECT_EQ(state.Tdb, engine::to_single(277 / 27.5L + 10));
        EXPECT_FLOAT_EQ(state.AH, AH) << "the humidity ratio is kept";
    }
}

// The float round trip leaves the state a hair off its pixel about half the time; every move
// must still be exactly the step, also a step of one pixel.
TEST_F(Earlier_Moves_Test, EveryLaterMoveIsExactlyTheStep) {
    const struct {
        Move_Button button;
        int step;
        bool horizontal;
        int sign;
    } cases[] = {
        {Move_Button::Right, 1, true, 1}, {Move_Button::Left, 1, true, -1}, {Move_Button::Right, 3, true, 1},
        {Move_Button::Up, 1, false, -1},  {Move_Button::Down, 1, false, 1}, {Move_Button::Down, 2, false, 1},
    };
    int short_of_pixel = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.button) * 100 + c.step);
        set_state(20, 50);
        press(c.button, c.step);
        int pixel = static_cast<int>(c.horizontal ? xs() + 0.001L : ys() + 0.001L);
        for (int k = 0; k < 12; ++k) {
            short_of_pixel += (c.horizontal ? xs() : ys()) < pixel;
            press(c.button, c.step);
            pixel += c.sign * c.step;
            ASSERT_NEAR(c.horizontal ? xs() : ys(), pixel, 0.0005) << "move " << k;
        }
    }
    EXPECT_GE(short_of_pixel, 10) << "the round trip does fall short of the pixel in these cases";
}

TEST_F(Earlier_Moves_Test, EdgesOfThePlot) {
    // Down within the step of the bottom axis: the driest state at the same Tdb.
    set_state(20, 0.5f);
    press(Move_Button::Down, 10);
    EXPECT_EQ(state.Tdb, 20);
    EXPECT_EQ(state.RH, 0.001f);
    EXPECT_EQ(state.Pw, 0.0001f);

    // Up from saturation stays saturated.
    set_state(20, 100);
    press(Move_Button::Up, 5);
    EXPECT_EQ(state.RH, 100);
    EXPECT_EQ(state.Pw, state.Pws);
    EXPECT_EQ(state.Tdp, 20);
    EXPECT_EQ(state.Twb, 20);

    // Right past the plot: the right edge.
    set_state(29.9f, 20);
    press(Move_Button::Right, 10);
    EXPECT_EQ(state.Tdb, 30);
}

TEST_F(Earlier_Moves_Test, LeftStopsAtMinusForty) {
    set_axis(-40, -20);
    for (const float tdb : {-40.0f, -39.98f}) {
        SCOPED_TRACE(tdb);
        set_state(tdb, 50);
        for (int k = 0; k < 3; ++k) {
            press(Move_Button::Left, 10);
            EXPECT_EQ(state.Tdb, -40);
            EXPECT_EQ(state.Pws, Calc_Property(Kind_Pws, -40));
        }
    }
}

TEST(Earlier_Pointer_Texts, PanelTextsAsTheWindowShowsThem) {
    EXPECT_EQ(moistrel::Point_Text(20, 50), "圖點：乾球溫度：20.00℃,相對溼度：50.00％");
    EXPECT_EQ(std::string(moistrel::Pointer_Prompt), "按滑鼠按鍵決定欲查詢點");

    Air_State point;
    point.Tdb = 20;
    point.RH = 50.004f;
    point.Tdp = 9.2654f;
    point.Twb = 13.7f;
    point.H = 38.5582f;
    point.SV = 0.84182f;
    point.AH = 0.007264f;
    EXPECT_EQ(moistrel::Pointer_Readout(point), "目前:Tdb:20.00,RH:50.00,Tdp:9.27,Twb:13.70,H:38.56,SV:0.842,AH:0.007");
}

TEST(Earlier_Pointer_Texts, TheReadoutIsTheStateUnderThePointer) {
    Chart_Fields chart;
    Calc_RHCurves(chart, Standard_Patm);
    chart.Tmin_Index = 50;
    chart.Tmax_Index = 70;
    chart.X_Scale = 27.5f;
    chart.Y_Scale = engine::to_single(480.0L / chart.W_Grid[Saturation_Row][70]);
    // Over the label band and above the curve: saturated air at the right edge's 30 degree C.
    const Air_State saturated = State_Under_Pointer(chart, Standard_Patm, 560, 0);
    EXPECT_EQ(saturated.Tdb, 30);
    EXPECT_EQ(saturated.RH, 100);
    EXPECT_EQ(saturated.Tdp, 30);
    EXPECT_EQ(saturated.Twb, 30);
    EXPECT_EQ(moistrel::Pointer_Readout(saturated).substr(0, 49), "目前:Tdb:30.00,RH:100.00,Tdp:30.00,Twb:30.00,H:");
}

}  // namespace
