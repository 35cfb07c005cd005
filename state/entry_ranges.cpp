#include "state/entry_ranges.h"

namespace state {

std::string Too_High_Message(std::string_view name) { return std::string(name) + " is too high. Please reinput!!"; }

std::string Too_Low_Message(std::string_view name) { return std::string(name) + " is too low. Please reinput!!"; }

std::optional<std::string> Range_Message(std::string_view name, double value, double lower, double upper) {
    if (value > upper) return Too_High_Message(name);
    if (value < lower) return Too_Low_Message(name);
    return std::nullopt;
}

}  // namespace state
