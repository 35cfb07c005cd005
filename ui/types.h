#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace ui {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool contains(int x, int y) const { return x >= left && y >= top && x < left + width && y < top + height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour is 0x00BBGGRR, the byte order the layouts and the chart's colour tables are written
// in, or one of the system colours below, which the front end maps to its palette.
using Color = std::uint32_t;
inline constexpr Color System_Color_Flag = 0x80000000u;
inline constexpr Color Color_Button_Face = System_Color_Flag | 15;
inline constexpr Color Color_Window = System_Color_Flag | 5;
inline constexpr Color Color_Window_Text = System_Color_Flag | 8;
inline constexpr Color Color_Info_Background = System_Color_Flag | 24;
inline constexpr Color Color_Highlight = System_Color_Flag | 13;
inline constexpr Color Color_Highlight_Text = System_Color_Flag | 14;
inline constexpr Color Color_Inactive_Caption_Text = System_Color_Flag | 19;
inline constexpr Color Color_Button_Highlight = System_Color_Flag | 20;

inline constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>(r & 0xFF) | static_cast<Color>(g & 0xFF) << 8 | static_cast<Color>(b & 0xFF) << 16;
}
inline constexpr Color Color_Black = rgb(0, 0, 0);
inline constexpr Color Color_Silver = rgb(192, 192, 192);
inline constexpr Color Color_White = rgb(255, 255, 255);

struct Font {
    std::string name = "MS Sans Serif";
    int size = 8;    // points; a font given by pixel height has size 0
    int height = 0;  // pixels; used when size is 0
    Color color = Color_Window_Text;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// A font given by its pixel height, as some layouts give theirs.
inline Font font_of_height(std::string name, int height, bool bold = false) {
    Font font;
    font.name = std::move(name);
    font.size = 0;
    font.height = height;
    font.bold = bold;
    return font;
}

enum class Alignment { Left, Center, Right };

// The sides of its parent a control keeps its distance to when the parent is resized: anchored
// left and right it stretches, anchored right only it moves.
struct Anchors {
    bool left = true;
    bool top = true;
    bool right = false;
    bool bottom = false;
    friend bool operator==(const Anchors&, const Anchors&) = default;
};

inline constexpr Anchors All_Sides = {true, true, true, true};

enum class Tab_Position { Top, Bottom };
enum class Mouse_Button { Left, Right, Middle };

struct Shift_State {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;
    friend bool operator==(const Shift_State&, const Shift_State&) = default;
};

// Keys that are not characters; characters travel as char (Backspace 8, Enter 13, Escape 27, Ctrl+V 22).
enum class Key { Tab, Back_Tab, Left, Right, Up, Down, Home, End, Page_Up, Page_Down, Delete };

enum class Cursor { Default, Cross };

// Results of message boxes and modal forms.
enum Modal_Result : int { Mr_None = 0, Mr_Ok = 1, Mr_Cancel = 2 };

}  // namespace ui
