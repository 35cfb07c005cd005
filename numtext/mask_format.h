#pragma once

#include <string>
#include <string_view>

namespace numtext {

// Formats with a display mask of "#", "0" and at most one ".", such as "###0.##": as many decimals
// as the mask has places after the ".", halves away from zero, trailing zeros dropped (a "0" after
// the "." keeps its place), at least as many integer digits as the mask has "0" before the ".".
// Values that are not finite or of 1e18 and more are written in the general format.
std::string format_mask(long double value, std::string_view mask);

// The same with the mask's layout given as numbers; formatted strings' "%W.Pf" use it as well.
std::string format_fixed(long double value, int fraction_places, int min_integer_digits, int min_fraction_digits);

}  // namespace numtext
