#pragma once

namespace numtext {

constexpr char Enter = 13;
// What a key filter turns a refused key into: no key at all.
constexpr char Dropped_Key = 0;

// The keys a number field takes: digits, the decimal point, the minus sign, Backspace and Enter.
constexpr bool is_number_key(char key) {
    return (key >= '0' && key <= '9') || key == '.' || key == '-' || key == '\b' || key == Enter;
}

}  // namespace numtext
