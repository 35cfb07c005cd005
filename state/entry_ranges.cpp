#include "state/entry_ranges.h"

std::optional<std::string> Range_Message(std::string_view name, double value, double lower, double upper) {
    if (value > upper) return std::string(name) + " is too high. Please reinput!!";
    if (value < lower) return std::string(name) + " is too low. Please reinput!!";
    return std::nullopt;
}
