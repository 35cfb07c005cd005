#pragma once

#include <string>

namespace numtext {

// 15 significant digits: fixed notation for 0.0001 <= |value| < 1e15, otherwise scientific
// ("1E-5", "-2.5E20"); "NAN", "INF" and "-INF" for the values that are not finite.
std::string format_general(long double value);

}  // namespace numtext
