#include "chart/pixel_to_point.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "chart/derive_state.h"
#include "chart/pointer_texts.h"
#include "engine/float_env.h"
#include "engine/property.h"
#include "state/air_state.h"

using chart::Chart_Fields;
using chart::Chart_Point;
using chart::Crosshair_Text;
using chart::Map_Pixel;
using chart::Pointer_Readout;
using chart::Set_Point;
using state::Air_State;
using state::Derive_State;
using state::Enthalpy_Rule;
using state::State_From_Tdb_RH;

namespace {

constexpr float Standard_Patm = 101.325f;
constexpr int Int_Min = std::numeric_limits<int>::min();
constexpr int Int_Max = std::numeric_limits<int>::max();

// The start axis 10..30 degree C, as the first drawing leaves it.
Chart_Fields start_axis() {
    Chart_Fields chart;
    chart.Tmin_Index = 50;
    chart.Tmax_Index = 70;
    chart.X_Scale = 27.5f;
    const float Wtop = Calc_Property(Kind_AH, Standard_Patm, Calc_Property(Kind_Pws, 30));
    chart.Y_Scale = engine::to_single(480.0L / Wtop);
    return chart;
}

TEST(Map_Pixel_Test, MapsPixelsToTemperatureAndHumidityOnTheStartAxis) {
    // Expectations from a hand calculation of the mapping and the property formulas.
    const struct {
        int X, Y;
        float T, RH, Pw;
    } cases[] = {
        {275, 240, 20, 92.716179f, 2.1684453f},
        {0, 400, 10, 59.713459f, 0.73327702f},
        {1, 479, 10.036364f, 0.74996126f, 0.0092319380f},
        {550, 100, 30, 79.863892f, 3.3910387f},
        {551, 100, 30, 79.863892f, 3.3910387f},  // the label band: the right edge's temperature
        {577, 100, 30, 79.863892f, 3.3910387f},
        {275, 480, 20, 0.001f, 0.0001f},  // the bottom axis and the band under it: driest
        {275, 502, 20, 0.001f, 0.0001f},
        {Int_Max, Int_Max, 30, 0.001f, 0.0001f},
        {275, -5, 20, 100, 4.2883801f},              // above the curve: saturated, the candidate is unused
        {-1000, 300, -26.363636f, 100, 1.6350821f},  // a drag left of the plot
        {-2000, 300, -40, 100, 1.6350821f},          // ... never below -40 degree C
        {Int_Min, Int_Min, -40, 100, 101.32448f},
    };
    const Chart_Fields chart = start_axis();
    ASSERT_FLOAT_EQ(chart.Y_Scale, 17644.434f);
    for (const auto& c : cases) {
        const Chart_Point point = Map_Pixel(chart, Standard_Patm, c.X, c.Y);
        const std::string at = std::to_string(c.X) + ", " + std::to_string(c.Y);
        EXPECT_FLOAT_EQ(point.Tdb, c.T) << at;
        EXPECT_FLOAT_EQ(point.RH, c.RH) << at;
        EXPECT_FLOAT_EQ(point.Pw, c.Pw) << at;
        EXPECT_EQ(point.Pws, Calc_Property(Kind_Pws, point.Tdb)) << at;
    }
}

TEST(Map_Pixel_Test, ThePixelOfAMappedPointIsThePointerOrItsNeighbour) {
    const Chart_Fields chart = start_axis();
    for (int X = 0; X <= 550; X += 25) {
        for (int Y = 470; Y < 480; Y += 3) {
            const Chart_Point point = Map_Pixel(chart, Standard_Patm, X, Y);
            const float AH = Calc_Property(Kind_AH, Standard_Patm, point.Pw);
            const long double x = (point.Tdb + 40.0L - chart.Tmin_Index) * chart.X_Scale;
            const long double y = 480 - AH * static_cast<long double>(chart.Y_Scale);
            EXPECT_NEAR(static_cast<double>(x), X, 1e-3) << X << ", " << Y;
            EXPECT_NEAR(static_cast<double>(y), Y, 1e-2) << X << ", " << Y;
        }
    }
}

void expect_same_state(const Air_State& actual, const Air_State& expected) {
    for (float Air_State::*field :
         {&Air_State::Patm, &Air_State::RH, &Air_State::Tdb, &Air_State::Pws, &Air_State::Pw, &Air_State::AH,
          &Air_State::Tdp, &Air_State::SV, &Air_State::Twb, &Air_State::Hfg, &Air_State::DOS, &Air_State::H})
        EXPECT_EQ(actual.*field, expected.*field) << expected.Tdb << " degree C, RH " << expected.RH;
}

TEST(Derive_State_Test, WithTheStandardChainsVapourPressureItGivesTheStandardChainsState) {
    for (const float Tdb : {-30.0f, 0.0f, 20.0f, 45.5f}) {
        for (const float RH : {0.001f, 10.0f, 50.0f, 99.9f}) {
            const Air_State expected = State_From_Tdb_RH(Standard_Patm, Tdb, RH);
            Air_State state;
            state.Patm = expected.Patm;
            Set_Point(state, {Tdb, RH, expected.Pws, expected.Pw});
            expect_same_state(state, expected);
        }
    }
}

TEST(Derive_State_Test, AtExactlyHundredPercentTheStateIsSaturatedAndTheCandidateUnused) {
    Air_State state;
    state.Patm = Standard_Patm;
    Set_Point(state, {20, 100, Calc_Property(Kind_Pws, 20), 4.2883801f});
    EXPECT_EQ(state.Pw, state.Pws);
    EXPECT_EQ(state.Tdp, 20);
    EXPECT_EQ(state.Twb, 20);
    EXPECT_EQ(state.AH, Calc_Property(Kind_AH, Standard_Patm, state.Pws));
    EXPECT_FLOAT_EQ(state.DOS, 1) << "stored as a fraction";
    EXPECT_EQ(state.H, Calc_Property(Kind_H, 20, state.AH));
}

TEST(Derive_State_Test, KeepingTheEnthalpyDerivesEverythingElse) {
    const Air_State start = State_From_Tdb_RH(Standard_Patm, 20, 50);
    Air_State state = start;
    state.Tdb = 21;
    state.Pws = Calc_Property(Kind_Pws, 21);
    Derive_State(state, 1.1f, Enthalpy_Rule::Keep);
    EXPECT_EQ(state.H, start.H);
    EXPECT_EQ(state.Pw, 1.1f);
    EXPECT_EQ(state.AH, Calc_Property(Kind_AH, Standard_Patm, 1.1f));
    EXPECT_EQ(state.Hfg, Calc_Property(Kind_Hfg, 21));
    EXPECT_EQ(state.DOS, Calc_Property(Kind_DOS, Standard_Patm, state.Pws, 1.1f));
}

TEST(Pointer_Texts_Test, TheReadoutShowsTheDerivedPointWithDosInPercent) {
    const struct {
        int X, Y;
        const char* readout;
    } cases[] = {
        {275, -5,
         "Current:Tdb:20.00,RH:100.00,Twb:20.00,Tdp:20.00,AH:0.0147,H:57.405,SV:0.8501,Hfg:2452.60,DOS:100.00,Pw:2.34"},
        {275, 240,
         "Current:Tdb:20.00,RH:92.72,Twb:19.26,Tdp:18.63,AH:0.0136,H:54.630,SV:0.8487,Hfg:2452.60,DOS:92.56,Pw:2.17"},
        {275, 480,
         "Current:Tdb:20.00,RH:0.00,Twb:6.21,Tdp:-25.45,AH:0.0000,H:20.122,SV:0.8305,Hfg:2452.60,DOS:0.00,Pw:0.00"},
    };
    const Chart_Fields chart = start_axis();
    for (const auto& c : cases) {
        Air_State point;
        point.Patm = Standard_Patm;
        Set_Point(point, Map_Pixel(chart, Standard_Patm, c.X, c.Y));
        EXPECT_EQ(Pointer_Readout(point), c.readout);
    }
}

TEST(Pointer_Texts_Test, TheCrosshairTextHasNoPercentSign) {
    EXPECT_EQ(Crosshair_Text(20, 50), "Crosshair: Tdb:20.00 ,RH:50.00");
    EXPECT_EQ(Crosshair_Text(-5.125f, 0.001f), "Crosshair: Tdb:-5.13 ,RH:0.00");
    EXPECT_EQ(Crosshair_Text(30, 100), "Crosshair: Tdb:30.00 ,RH:100.00");
}

}  // namespace
