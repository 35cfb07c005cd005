#pragma once

#include <span>
#include <string_view>

#include "state/air_state.h"

namespace moistrel {

// How the panel takes one editable property: its limits at the stored state (both inclusive,
// the upper tested first), the texts of a refusal on the third message line, and the chain that
// stores an accepted value. DOS is typed as the fraction.
struct Entry_Rule {
    std::string_view too_high;
    std::string_view too_low;
    // Pws := Kind_Pws(Tdb) right after the conversion, kept when the value is refused.
    bool stores_pws_first;
    float (*upper)(const Air_State& state);
    float (*lower)(const Air_State& state);
    void (*store)(Air_State& state, float value);
};

enum class Entry { Tdb, RH, Twb, Tdp, AH, DOS, Pw };

const Entry_Rule& Entry_Rule_Of(Entry entry);
// Every rule, in the panel's order.
std::span<const Entry_Rule> Entry_Rules();

}  // namespace moistrel
