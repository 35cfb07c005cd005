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
    // A long double converted straight to an integer switches the x87 rounding mode twice, which
    // stalls the processor. The nearest double truncates quickly, and its truncation lies at most
    // one beyond the value's, when rounding to the double reached the next whole number.
    auto whole = static_cast<std::int64_t>(static_cast<double>(value));
    if (value >= 0 && whole > value) --whole;
    if (value < 0 && whole < value) ++whole;
    return static_cast<std::int32_t>(whole);
}

}  // namespace numtext
