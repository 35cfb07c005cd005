#pragma once

#include <span>
#include <string_view>

#include "commands/entry_rule.h"

namespace moistrel {

// How the panel takes one editable property: the steps of the entry, and the texts of a refusal
// on the third message line. The wet bulb and the dew point meet the stored Tdb; saturation is
// left to the engine's fits. DOS is typed as the fraction.
struct Entry_Rule : commands::Entry_Rule {
    std::string_view too_high;
    std::string_view too_low;
};

enum class Entry { Tdb, RH, Twb, Tdp, AH, DOS, Pw };

const Entry_Rule& Entry_Rule_Of(Entry entry);
// Every rule, in the panel's order.
std::span<const Entry_Rule> Entry_Rules();

}  // namespace moistrel
