#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace numtext {

// A text that is not a number of the asked kind; the message quotes the text.
class Convert_Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Blanks, an optional sign, digits with an optional "." (a "." alone is 0), an optional exponent
// whose digits may be absent, blanks. Computed in extended precision, always with "." as separator.
long double text_to_float(std::string_view text);

// text_to_float rounded to a 32-bit float; a value beyond its range raises engine::Float_Error.
float text_to_single(std::string_view text);

// The number of a text that a refresh reads beside the state: nothing for an empty text, one that
// is not a number or one beyond the float range. The field's own exit reports such a text; the
// refresh passes over it so that the rest of the window still follows the state.
std::optional<float> Optional_Number(std::string_view text);

// Leading blanks, an optional sign, decimal digits or, after "$", "x" or "0x", hexadecimal digits;
// the value must fit a 32-bit signed integer.
std::int32_t text_to_int(std::string_view text);

}  // namespace numtext
