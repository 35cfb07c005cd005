#pragma once

#include <span>
#include <string>
#include <string_view>

#include "commands/hint_limits.h"
#include "earlier/entry_rules.h"
#include "state/air_state.h"

namespace moistrel {

// What entering an editable field writes on the first two message lines. With limits, line2
// is the format of the range they fill in, from the stored state.
struct Range_Hint {
    std::string_view line1;
    std::string_view line2;
    commands::Limits_Of limits = nullptr;
};

const Range_Hint& Range_Hint_Of(Entry entry);
// The second line of the hint at the state.
std::string Range_Line(const Range_Hint& hint, const state::Air_State& state);
// Every range hint, in the panel's order.
std::span<const Range_Hint> Range_Hints();

// What the pointer over a part of the window writes into the status bar's panel 1.
namespace hover_text {
inline constexpr std::string_view State_Panel = "輸入乾球溫度與另一參數。";
inline constexpr std::string_view Line_Switches = "選擇濕氣圖格線顯示種類。";
inline constexpr std::string_view Chart_Adjustment = "調整濕氣圖顯示範圍。";
inline constexpr std::string_view Messages = "輸入資料相關訊息區。";
inline constexpr std::string_view Exit_Button = "結束程式。";
}  // namespace hover_text

}  // namespace moistrel
