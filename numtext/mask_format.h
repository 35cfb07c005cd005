#pragma once

#include <string>
#include <string_view>

namespace numtext {

// Formats with a display mask of "#", "0" and at most one ".", such as "###0.##": as many decimals
// as the mask has places after the ".", halves away from zero, trailing zeros dropped (a "0" after
// the "." keeps its place), at least as many integer digits as the mask has "0" before the ".".
// Values that are not finite or of 1e18 and more are written in the general format.
std::string format_mask(long double value, std::string_view mask);

}  // namespace numtext
