#pragma once

#include <string>

#include "state/air_state.h"

// Moistrel's status texts of the chart's pointer and move buttons.
namespace moistrel {

// Status panel 1 while the pointer is over the chart.
inline constexpr const char* Pointer_Prompt = "按滑鼠按鍵決定欲查詢點";

// Status panel 0 after a click or a move: "圖點：乾球溫度：20.00℃,相對溼度：50.00％".
std::string Point_Text(float Tdb, float RH);

// Status panel 2 while the pointer moves: seven values of the state under it.
std::string Pointer_Readout(const state::Air_State& point);

}  // namespace moistrel
