#include "numtext/text_to_number.h"

#include <locale.h>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "engine/float_env.h"
#include "numtext/text_scanner.h"

namespace numtext {

namespace {

// Checks the grammar and rewrites the number as "[-]digits.digits[e[sign]digits]" for strtold_l.
std::optional<std::string> normalized_float_text(std::string_view text) {
    Scanner scanner(text);
    scanner.skip_blanks();
    const bool negative = scanner.take_sign() == '-';
    const auto integer_digits = scanner.take_while(is_digit);
    const bool has_separator = scanner.take('.');
    const auto fraction_digits = scanner.take_while(is_digit);
    if (integer_digits.empty() && !has_separator) return std::nullopt;

    std::string normalized = negative ? "-" : "";
    normalized += integer_digits.empty() ? "0" : std::string(integer_digits);
    normalized += '.';
    normalized += fraction_digits.empty() ? "0" : std::string(fraction_digits);
    if (scanner.take('E') || scanner.take('e')) {
        const char exponent_sign = scanner.take_sign();
        const auto exponent_digits = scanner.take_while(is_digit);
        if (!exponent_digits.empty()) {
            normalized += 'e';
            if (exponent_sign != 0) normalized += exponent_sign;
            normalized += exponent_digits;
        }
    }
    scanner.skip_blanks();
    if (!scanner.at_end()) return std::nullopt;
    return normalized;
}

// The C locale, so that the process locale never changes what a number text means.
locale_t c_locale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

bool is_hex_digit(char c) { return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

int hex_digit_value(char c) {
    if (is_digit(c)) return c - '0';
    return (c | 0x20) - 'a' + 10;
}

bool takes_hex_prefix(Scanner& scanner) {
    if (scanner.take('$') || scanner.take('x') || scanner.take('X')) return true;
    Scanner lookahead = scanner;
    if (lookahead.take('0') && (lookahead.take('x') || lookahead.take('X'))) {
        scanner = lookahead;
        return true;
    }
    return false;
}

// The magnitude of the digits, or nothing when there are none or it exceeds `limit`.
std::optional<std::int64_t> digits_value(std::string_view digits, int base, std::int64_t limit) {
    if (digits.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : digits) {
        value = value * base + (base == 16 ? hex_digit_value(c) : c - '0');
        if (value > limit) return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> parse_int(std::string_view text) {
    Scanner scanner(text);
    scanner.skip_blanks();
    const bool negative = scanner.take_sign() == '-';
    const bool hexadecimal = takes_hex_prefix(scanner);
    const auto digits = scanner.take_while(hexadecimal ? is_hex_digit : is_digit);
    if (!scanner.at_end()) return std::nullopt;

    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    const auto magnitude = digits_value(digits, hexadecimal ? 16 : 10, limit);
    if (!magnitude) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -*magnitude : *magnitude);
}

}  // namespace

long double text_to_float(std::string_view text) {
    const auto normalized = normalized_float_text(text);
    if (normalized) {
        const long double value = strtold_l(normalized->c_str(), nullptr, c_locale());
        // Underflow gives zero or a subnormal, which is a value; overflow is not.
        if (!std::isinf(value)) return value;
    }
    throw Convert_Error("'" + std::string(text) + "' is not a valid floating point value");
}

float text_to_single(std::string_view text) { return engine::to_single(text_to_float(text)); }

std::optional<float> Optional_Number(std::string_view text) {
    if (text.empty()) return std::nullopt;
    try {
        return text_to_single(text);
    } catch (const Convert_Error&) {
        return std::nullopt;
    } catch (const engine::Float_Error&) {
        return std::nullopt;
    }
}

std::int32_t text_to_int(std::string_view text) {
    const auto value = parse_int(text);
    if (!value) throw Convert_Error("'" + std::string(text) + "' is not a valid integer value");
    return *value;
}

}  // namespace numtext
