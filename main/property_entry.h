#pragma once

#include <string_view>

#include "commands/entry_rule.h"
#include "main/state_rows.h"

namespace hygrodex {

// How one editable property is taken from its field. The State sheet bounds a wet-bulb or
// dew-point entry by the Tdb it shows and takes one less than 0.01 below it as saturated air; the
// other sheets' current columns bound them by the stored Tdb and leave saturation to the engine.
struct Property_Entry : commands::Entry_Rule {
    Row row;
    std::string_view name;         // in the range messages
    std::string_view change_mask;  // a field whose text equals the stored value in it is unchanged
};

// The entry of an editable row (every row but Hfg and Pws, which are computed only).
const Property_Entry& property_entry(Row row);

}  // namespace hygrodex
