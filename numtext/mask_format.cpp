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
    // One pass: "0"s before the "." are forced integer digits, every place after it is a decimal,
    // and the last "0" after it forces the decimals up to itself.
    Mask_Layout layout;
    bool after_separator = false;
    for (const char c : mask) {
        if (c == '.' && !after_separator) {
            after_separator = true;
        } else if (c != '#' && c != '0') {
            throw std::logic_error("invalid display mask '" + std::string(mask) + "'");
        } else if (after_separator) {
            ++layout.fraction_places;
            if (c == '0') layout.min_fraction_digits = layout.fraction_places;
        } else if (c == '0') {
            ++layout.min_integer_digits;
        }
    }
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
