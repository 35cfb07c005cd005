#pragma once

namespace numtext {

constexpr char Enter = 13;
// What a key filter turns a refused key into: no key at all.
constexpr char Dropped_Key = 0;

// The keys a number field takes: digits, the decimal point, the minus sign, Backspace and Enter.
constexpr bool is_number_key(char key) {
    return (key >= '0' && key <= '9') || key == '.' || key == '-' || key == '\b' || key == Enter;
}

// The key filter of every number field: a key outside a number becomes no key and refused runs
// (the field's request, if it makes one); Enter runs entered (the field's walk on).
template <class Refused, class Entered>
void filter_number_key(char& key, Refused&& refused, Entered&& entered) {
    if (!is_number_key(key)) {
        key = Dropped_Key;
        refused();
        return;
    }
    if (key == Enter) entered();
}

}  // namespace numtext
