#pragma once

namespace numtext {

// The keys a number field takes: digits, the decimal point, the minus sign, Backspace and Enter.
constexpr bool is_number_key(char key) {
    return (key >= '0' && key <= '9') || key == '.' || key == '-' || key == '\b' || key == '\r';
}

}  // namespace numtext
