#pragma once

#include <string_view>

namespace hygrodex {

// The three lines of the message group, top to bottom.
struct Message_Lines {
    std::string_view first;
    std::string_view second;
    std::string_view third;
};

// The lines a refresh leaves: what every state still needs.
inline constexpr Message_Lines State_Lines = {"In addition to Patm,", "you still need 2 properties to",
                                              "define a state."};

}  // namespace hygrodex
