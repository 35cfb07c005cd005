#include "numtext/mask_format.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "numtext/decimal_digits.h"
#include "numtext/general_format.h"

namespace numtext {

namespace {

constexpr long double Largest_Fixed_Value = 1e18L;

struct Mask_Layout {
    int min_integer_digits = 0;
    int fraction_places = 0;
    int min_fraction_digits = 0;
};

Mask_Layout parse_mask(std::string_view mask) {
    if (mask.find_first_not_of("#0.") != std::string_view::npos || std::count(mask.begin(), mask.end(), '.') > 1) {
        throw std::logic_error("invalid display mask '" + std::string(mask) + "'");
    }
    const auto separator = std::min(mask.find('.'), mask.size());
    const auto integer_part = mask.substr(0, separator);
    const auto fraction_part = mask.substr(std::min(separator + 1, mask.size()));
    const auto last_forced_fraction = fraction_part.rfind('0');

    Mask_Layout layout;
    layout.min_integer_digits = static_cast<int>(std::count(integer_part.begin(), integer_part.end(), '0'));
    layout.fraction_places = static_cast<int>(fraction_part.size());
    layout.min_fraction_digits =
        last_forced_fraction == std::string_view::npos ? 0 : static_cast<int>(last_forced_fraction) + 1;
    return layout;
}

}  // namespace

std::string format_fixed(long double value, int fraction_places, int min_integer_digits, int min_fraction_digits) {
    if (!std::isfinite(value) || std::fabs(value) >= Largest_Fixed_Value) return format_general(value);
    return fixed_notation(round_to_places(expand_decimal(value), fraction_places), min_integer_digits,
                          min_fraction_digits);
}

std::string format_mask(long double value, std::string_view mask) {
    const Mask_Layout layout = parse_mask(mask);
    return format_fixed(value, layout.fraction_places, layout.min_integer_digits, layout.min_fraction_digits);
}

}  // namespace numtext
