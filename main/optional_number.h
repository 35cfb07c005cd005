#pragma once

#include <optional>
#include <string_view>

// The number of a text that a refresh reads beside the state: nothing for an empty text, one that
// is not a number or one beyond the float range. The field's own exit reports such a text; the
// refresh passes over it so that the rest of the window still follows the state.
std::optional<float> Optional_Number(std::string_view text);
