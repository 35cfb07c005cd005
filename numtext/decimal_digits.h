#pragma once

#include <string>

namespace numtext {

// A finite value as decimal digits: value = -/+ 0.digits * 10^point. The digits have no leading or
// trailing zeros; a zero value has none at all.
struct Decimal_Digits {
    bool negative = false;
    std::string digits;
    int point = 0;

    bool is_zero() const { return digits.empty(); }
};

// The value exactly as held, expanded to 18 significant digits rounded to nearest.
Decimal_Digits expand_decimal(long double finite_value);

// Keeps the first `kept` significant digits; a dropped digit of 5 or more rounds up in magnitude, so
// exact halves go away from zero.
Decimal_Digits round_to_digits(Decimal_Digits value, int kept);

Decimal_Digits round_to_places(Decimal_Digits value, int fraction_places);

// Fixed notation with "." as separator. The sign is written only when a non-zero digit is; the
// separator only when a fraction digit follows it.
std::string fixed_notation(const Decimal_Digits& value, int min_integer_digits, int min_fraction_digits);

}  // namespace numtext
