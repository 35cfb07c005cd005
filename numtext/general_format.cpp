#include "numtext/general_format.h"

#include <cmath>

#include "numtext/decimal_digits.h"

namespace numtext {

namespace {

constexpr int General_Digits = 15;
// Decimal points of 0.0001 (0.1e-3) and of the largest value below 1e15 (0.999e15).
constexpr int Lowest_Fixed_Point = -3;
constexpr int Highest_Fixed_Point = 15;

std::string scientific_notation(const Decimal_Digits& value) {
    std::string text = value.negative ? "-" : "";
    text += value.digits.front();
    if (value.digits.size() > 1) text += '.' + value.digits.substr(1);
    return text + 'E' + std::to_string(value.point - 1);
}

}  // namespace

std::string format_general(long double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    const Decimal_Digits rounded = round_to_digits(expand_decimal(value), General_Digits);
    if (rounded.is_zero()) return "0";
    if (rounded.point >= Lowest_Fixed_Point && rounded.point <= Highest_Fixed_Point) {
        return fixed_notation(rounded, 1, 0);
    }
    return scientific_notation(rounded);
}

}  // namespace numtext
