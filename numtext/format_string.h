#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace numtext {

// One argument of a formatted string: a floating-point value for "%f", an integer for "%d".
struct Format_Arg {
    Format_Arg(long double real) : value(real) {}
    Format_Arg(double real) : value(static_cast<long double>(real)) {}
    Format_Arg(float real) : value(static_cast<long double>(real)) {}
    Format_Arg(std::int32_t integer) : value(integer) {}

    std::variant<long double, std::int32_t> value;
};

// Copies the format, replacing each directive by the next argument: "%W.Pf" writes exactly P
// decimals (halves away from zero) left-padded with blanks to W characters, "%Wd" an integer,
// "%%" one "%"; a "%" that ends the format writes nothing. A malformed directive, or a directive
// without an argument of its type, is a programming error and throws std::logic_error.
std::string format_string(std::string_view format, std::initializer_list<Format_Arg> args);

}  // namespace numtext
