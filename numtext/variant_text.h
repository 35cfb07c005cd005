#pragma once

#include <stdexcept>
#include <string_view>

namespace numtext {

// A text that the conversion of a string variant to a number does not take.
class Variant_Error : public std::runtime_error {
public:
    Variant_Error() : std::runtime_error("Invalid variant type conversion") {}
};

// A text taken as a double the way a string variant converts: blanks, an optional sign, digits
// with at most one "." and at least one digit, an optional exponent with its digits, blanks.
// Anything else, the empty text included, and a value beyond the double range raise
// Variant_Error.
double variant_to_double(std::string_view text);

}  // namespace numtext
