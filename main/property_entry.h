#pragma once

#include <string_view>

#include "state/air_state.h"
#include "state/entry_limits.h"
#include "main/state_rows.h"

// A limit of an entered value at the stored state; the value is refused beyond it.
using Entry_Limit = double (*)(const Air_State& state, Wet_Entry_Rule rule);

// How one editable property is taken from its field. The State sheet bounds a wet-bulb or
// dew-point entry by the Tdb it shows and takes one less than 0.01 below it as saturated air; the
// other sheets' current columns bound them by the stored Tdb and leave saturation to the engine.
struct Property_Entry {
    Row row;
    std::string_view name;         // in the range messages
    std::string_view change_mask;  // a field whose text equals the stored value in it is unchanged
    bool stores_pws_first;         // Pws := Kind_Pws(Tdb) right after the conversion, kept on refusal
    Entry_Limit upper_limit;
    Entry_Limit lower_limit;
    // Stores the accepted value and derives the properties that depend on it.
    void (*store)(Air_State& state, float value, Wet_Entry_Rule rule);
};

// The entry of an editable row (every row but Hfg and Pws, which are computed only).
const Property_Entry& property_entry(Row row);
