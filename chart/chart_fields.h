#pragma once

#include <array>

#include "state/entry_ranges.h"

namespace chart {

// The chart's data beside the current state: the axis of the last drawing, its scales, and the
// line tables in chart coordinates (temperature index i = T + 40, humidity ratio in kg/kg).
// Temperature indexes 0..110: a degree each of the dry-bulb range, -40..70 degree C.
inline constexpr int Index_Count = static_cast<int>(state::Tdb_Range.highest - state::Tdb_Range.lowest) + 1;
inline constexpr int RH_Rows = 11;                  // RH 0, 10, .., 100 %
inline constexpr int Level_Count = 10;              // [0] a base value, [1..9] the lines
inline constexpr int Line_Count = Index_Count + 1;  // [0..110] by saturation index, [111] the state's line
inline constexpr int State_Line = Index_Count;

inline constexpr int Saturation_Row = RH_Rows - 1;  // W_Grid's row of RH 100 %

// Temperature index = T + 40.
inline constexpr int Temperature_Index_Offset = -static_cast<int>(state::Tdb_Range.lowest);

// The plot's right edge and bottom axis in image pixels.
inline constexpr int Plot_Right = 550;
inline constexpr int Plot_Bottom = 480;

enum Draw_Mode : int { Mode_State = 0, Mode_Process = 1, Mode_Pad = 2, Mode_VPD = 3 };

struct Chart_Fields {
    int Half_Span = 0;
    int Tmin_Index = 0;
    int Tmax_Index = 0;
    int Center_T = 0;
    int Chart_Mode = Mode_State;
    float Y_Scale = 0;
    float X_Scale = 0;
    std::array<std::array<float, Index_Count>, RH_Rows> W_Grid{};
    std::array<float, Index_Count> Sat_X{};
    std::array<float, Index_Count> Sat_Y{};
    std::array<float, Level_Count> AH_Start_X{};
    std::array<float, Level_Count> AH_Level{};
    std::array<float, Level_Count> Pw_Start_X{};
    std::array<float, Level_Count> Pw_Level{};
    std::array<float, Line_Count> H_Start_X{};
    std::array<float, Line_Count> H_Start_Y{};
    std::array<float, Line_Count> H_End_X{};
    std::array<float, Line_Count> H_End_Y{};
    std::array<float, Line_Count> SV_Start_X{};
    std::array<float, Line_Count> SV_Start_Y{};
    std::array<float, Line_Count> SV_End_X{};
    std::array<float, Line_Count> SV_End_Y{};
};

}  // namespace chart
