#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace state {

// The fixed ranges of entered values, and the messages of a value beyond a limit.

// A closed range: a value equal to a limit lies within it.
struct Entry_Range {
    float lowest;
    float highest;
};

// Dry bulb, and every temperature of the chart and the tables (degree C): the span the chart is
// drawn over and the property fits are made for.
inline constexpr Entry_Range Tdb_Range{-40, 70};

// A share in %: relative humidity, degree of saturation, the efficiency of an evaporative pad.
inline constexpr Entry_Range Percent_Range{0, 100};

// The messages of a value above its upper limit and below its lower one, by the quantity's short
// name.
std::string Too_High_Message(std::string_view name);
std::string Too_Low_Message(std::string_view name);

// The message of a value beyond a limit, by the quantity's short name ("Tdb", "Eff."): the "too
// high" one above upper (tested first), the "too low" one below lower, none within both.
std::optional<std::string> Range_Message(std::string_view name, double value, double lower, double upper);

}  // namespace state
