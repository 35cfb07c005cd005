#include "numtext/variant_text.h"

#include <cfloat>
#include <cmath>

#include "numtext/text_scanner.h"
#include "numtext/text_to_number.h"

namespace numtext {

namespace {

// Stricter than the text conversion of the entries, which takes "." and "1e" too.
bool is_variant_number(std::string_view text) {
    Scanner scanner(text);
    scanner.skip_blanks();
    scanner.take_sign();
    std::size_t mantissa_digits = scanner.take_while(is_digit).size();
    if (scanner.take('.')) mantissa_digits += scanner.take_while(is_digit).size();
    if (mantissa_digits == 0) return false;
    if (scanner.take('e') || scanner.take('E')) {
        scanner.take_sign();
        if (scanner.take_while(is_digit).empty()) return false;
    }
    scanner.skip_blanks();
    return scanner.at_end();
}

}  // namespace

double variant_to_double(std::string_view text) {
    if (!is_variant_number(text)) throw Variant_Error();
    long double value = 0;
    try {
        value = text_to_float(text);
    } catch (const Convert_Error&) {
        throw Variant_Error();
    }
    // Checked first: a value beyond the double range has no double to convert to.
    if (std::fabs(value) > DBL_MAX) throw Variant_Error();
    return static_cast<double>(value);
}

}  // namespace numtext
