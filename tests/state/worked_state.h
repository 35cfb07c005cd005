#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>

#include "state/air_state.h"

// The worked states of the property function: the standard chain at Patm 101.325 kPa and RH 50 %,
// to five significant digits.
inline constexpr float Standard_Patm = 101.325f;

inline state::Air_State standard_state(float Tdb, float RH) { return state::State_From_Tdb_RH(Standard_Patm, Tdb, RH); }

inline std::array<float, 12> fields(const state::Air_State& s) {
    return {s.Patm, s.RH, s.Tdb, s.Pws, s.Pw, s.AH, s.Tdp, s.SV, s.Twb, s.Hfg, s.DOS, s.H};
}

inline const state::Air_State Worked_20 = {Standard_Patm, 50,       20,      2.3388f, 1.1694f,  0.0072621f,
                                           9.1468f,       0.84020f, 13.787f, 2452.6f, 0.49416f, 38.545f};
inline const state::Air_State Worked_Minus_10 = {Standard_Patm, 50,       -10,      0.26554f, 0.13277f, 0.00081606f,
                                                 -17.230f,      0.74649f, -11.461f, 2525.2f,  0.49934f, -8.0338f};

// Half a unit of the fifth significant digit of a worked value (with a hair for the float).
inline double five_digits(float worked) {
    return 0.505 * std::pow(10.0, std::floor(std::log10(std::fabs(static_cast<double>(worked)))) - 4);
}

// Every field of the state against the worked one, within slack times half its last digit.
inline void expect_worked(const state::Air_State& state, const state::Air_State& worked, double slack = 1) {
    const auto got = fields(state);
    const auto expected = fields(worked);
    const char* names[] = {"Patm", "RH", "Tdb", "Pws", "Pw", "AH", "Tdp", "SV", "Twb", "Hfg", "DOS", "H"};
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(got[i], expected[i], slack * five_digits(expected[i])) << names[i];
}
