#pragma once

#include <cstdint>
#include <string>

namespace numtext {

std::string int_to_text(std::int32_t value);

// Truncates toward zero; values beyond the 32-bit range give its nearest end and NaN gives 0.
std::int32_t truncate_to_int(long double value);

}  // namespace numtext
