#pragma once

#include "ui/types.h"

namespace chart {

// The chart's palette, 0x00BBGGRR as the canvas takes colours.
namespace chart_color {

inline constexpr ui::Color White{0xFFFFFF};
inline constexpr ui::Color Black{0x000000};
inline constexpr ui::Color Blue{0xFF0000};
inline constexpr ui::Color Green{0x008000};
inline constexpr ui::Color Silver{0xC0C0C0};
inline constexpr ui::Color Red{0x0000FF};
inline constexpr ui::Color Bright_Green{0x00FF00};
inline constexpr ui::Color Yellow{0x00FFFF};
inline constexpr ui::Color Dark_Yellow{0x00C8C8};
inline constexpr ui::Color Light_Pink{0xFFC8FF};
inline constexpr ui::Color Mauve{0xCBA0CA};
inline constexpr ui::Color Light_Orange{0x5BBCF7};
inline constexpr ui::Color Brown{0x377398};
inline constexpr ui::Color Gray{0x808080};
inline constexpr ui::Color Sky_Blue{0xE5BD6C};
inline constexpr ui::Color Navy{0x800000};

}  // namespace chart_color

}  // namespace chart
