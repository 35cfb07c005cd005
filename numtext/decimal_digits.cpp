#include "numtext/decimal_digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace numtext {

namespace {

constexpr int Expanded_Digits = 18;

void strip_trailing_zeros(std::string& digits) {
    const auto last = digits.find_last_not_of('0');
    digits.resize(last == std::string::npos ? 0 : last + 1);
}

// to_chars is locale independent and exact; the text is "d.ddd...de+XX". A value that a double
// holds exactly gives the same digits as a double, several times faster.
std::to_chars_result scientific_digits(std::array<char, 64>& buffer, long double magnitude) {
    constexpr int precision = Expanded_Digits - 1;
    char* const end = buffer.data() + buffer.size();
    const auto narrow = static_cast<double>(magnitude);
    if (static_cast<long double>(narrow) == magnitude)
        return std::to_chars(buffer.data(), end, narrow, std::chars_format::scientific, precision);
    return std::to_chars(buffer.data(), end, magnitude, std::chars_format::scientific, precision);
}

}  // namespace

Decimal_Digits expand_decimal(long double finite_value) {
    std::array<char, 64> buffer{};
    const auto result = scientific_digits(buffer, std::fabs(finite_value));
    if (result.ec != std::errc{}) throw std::logic_error("decimal expansion failed");
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto exponent_mark = text.find('e');

    Decimal_Digits value;
    value.negative = std::signbit(finite_value);
    // The first digit, then the ones after the point.
    value.digits.reserve(Expanded_Digits);
    value.digits += text.front();
    if (exponent_mark > 2) value.digits += text.substr(2, exponent_mark - 2);
    strip_trailing_zeros(value.digits);
    if (value.is_zero()) return value;

    int exponent = 0;
    auto exponent_text = text.substr(exponent_mark + 1);
    if (exponent_text.front() == '+') exponent_text.remove_prefix(1);
    std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);
    value.point = exponent + 1;
    return value;
}

Decimal_Digits round_to_digits(Decimal_Digits value, int kept) {
    const int count = static_cast<int>(value.digits.size());
    if (kept >= count) return value;
    if (kept < 0) {
        value.digits.clear();
        return value;
    }
    const bool round_up = value.digits[static_cast<std::size_t>(kept)] >= '5';
    value.digits.resize(static_cast<std::size_t>(kept));
    if (round_up) {
        while (!value.digits.empty() && value.digits.back() == '9') value.digits.pop_back();
        if (value.digits.empty()) {
            value.digits.push_back('1');
            ++value.point;
        } else {
            ++value.digits.back();
        }
    }
    strip_trailing_zeros(value.digits);
    return value;
}

Decimal_Digits round_to_places(Decimal_Digits value, int fraction_places) {
    const int kept = value.point + fraction_places;
    return round_to_digits(std::move(value), kept);
}

std::string fixed_notation(const Decimal_Digits& value, int min_integer_digits, int min_fraction_digits) {
    const int digit_count = static_cast<int>(value.digits.size());
    const int point = value.is_zero() ? 0 : value.point;
    // Digits before the point (padded with zeros up to it) and after it (zeros first when the
    // point lies before the first digit).
    const int integer_count = std::max(point, 0);
    const int leading_fraction_zeros = std::max(-point, 0);
    const int fraction_count = leading_fraction_zeros + std::max(digit_count - integer_count, 0);
    const auto integer_digits = std::string_view(value.digits).substr(0, static_cast<std::size_t>(integer_count));

    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(integer_count, min_integer_digits) +
                                          std::max(fraction_count, min_fraction_digits) + 2));
    if (value.negative && !value.is_zero()) text += '-';
    text.append(static_cast<std::size_t>(std::max(min_integer_digits - integer_count, 0)), '0');
    text += integer_digits;
    text.append(static_cast<std::size_t>(integer_count) - integer_digits.size(), '0');
    if (std::max(fraction_count, min_fraction_digits) == 0) return text;
    text += '.';
    text.append(static_cast<std::size_t>(leading_fraction_zeros), '0');
    if (digit_count > integer_count)
        text += std::string_view(value.digits).substr(static_cast<std::size_t>(integer_count));
    text.append(static_cast<std::size_t>(std::max(min_fraction_digits - fraction_count, 0)), '0');
    return text;
}

}  // namespace numtext
