#include "numtext/int_text.h"

#include <cmath>
#include <limits>

namespace numtext {

std::string int_to_text(std::int32_t value) { return std::to_string(value); }

std::int32_t truncate_to_int(long double value) {
    using Limits = std::numeric_limits<std::int32_t>;
    // Converting a value whose truncation lies outside the range is undefined: check first.
    if (std::isnan(value)) return 0;
    if (value >= static_cast<long double>(Limits::max()) + 1) return Limits::max();
    if (value <= static_cast<long double>(Limits::min()) - 1) return Limits::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace numtext
