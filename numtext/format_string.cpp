#include "numtext/format_string.h"

#include <charconv>
#include <optional>
#include <stdexcept>

#include "numtext/int_text.h"
#include "numtext/mask_format.h"
#include "numtext/text_scanner.h"

namespace numtext {

namespace {

// Widths and decimal counts beyond this are certainly a mistake in the format.
constexpr int Largest_Directive_Number = 999;

struct Directive {
    int width = 0;
    std::optional<int> decimals;
    char type = 0;
};

[[noreturn]] void fail(std::string_view format, std::string_view problem) {
    throw std::logic_error("format '" + std::string(format) + "': " + std::string(problem));
}

// Reads an optional unsigned number at `pos`; returns 0 when there are no digits.
int read_number(std::string_view format, std::size_t& pos) {
    const auto start = pos;
    while (pos < format.size() && is_digit(format[pos])) ++pos;
    int number = 0;
    const auto result = std::from_chars(format.data() + start, format.data() + pos, number);
    if (result.ec == std::errc::result_out_of_range || number > Largest_Directive_Number) {
        fail(format, "number too large in directive");
    }
    return number;
}

// Parses the directive after its "%", leaving `pos` on the character after it.
Directive parse_directive(std::string_view format, std::size_t& pos) {
    Directive directive;
    directive.width = read_number(format, pos);
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        if (pos == format.size() || !is_digit(format[pos])) fail(format, "missing decimals in directive");
        directive.decimals = read_number(format, pos);
    }
    if (pos == format.size()) fail(format, "unterminated directive");
    directive.type = format[pos++];
    const bool well_formed =
        (directive.type == 'f' && directive.decimals) || (directive.type == 'd' && !directive.decimals);
    if (!well_formed) fail(format, "unsupported directive");
    return directive;
}

std::string directive_text(std::string_view format, const Directive& directive, const Format_Arg& arg) {
    if (directive.type == 'f') {
        const auto* real = std::get_if<long double>(&arg.value);
        if (real == nullptr) fail(format, "%f needs a floating-point argument");
        return format_fixed(*real, *directive.decimals, 1, *directive.decimals);
    }
    const auto* integer = std::get_if<std::int32_t>(&arg.value);
    if (integer == nullptr) fail(format, "%d needs an integer argument");
    return int_to_text(*integer);
}

}  // namespace

std::string format_string(std::string_view format, std::initializer_list<Format_Arg> args) {
    std::string text;
    auto next_arg = args.begin();
    std::size_t pos = 0;
    while (pos < format.size()) {
        const char c = format[pos++];
        if (c != '%') {
            text += c;
            continue;
        }
        if (pos == format.size()) break;  // a "%" that ends the format writes nothing
        if (format[pos] == '%') {
            text += '%';
            ++pos;
            continue;
        }
        const Directive directive = parse_directive(format, pos);
        if (next_arg == args.end()) fail(format, "too few arguments");
        std::string field = directive_text(format, directive, *next_arg++);
        if (static_cast<int>(field.size()) < directive.width) {
            field.insert(0, static_cast<std::size_t>(directive.width) - field.size(), ' ');
        }
        text += field;
    }
    return text;
}

}  // namespace numtext
