#pragma once

#include <functional>

#include "state/air_state.h"
#include "state/entry_limits.h"
#include "state/entry_ranges.h"

namespace commands {

// A limit of an entered value at the stored state; the value is refused beyond it.
using Entry_Limit = double (*)(const state::Air_State& state, state::Wet_Entry_Rule rule);

// How a window takes one editable property of its state: both windows' entry tables are made of
// these rows.
struct Entry_Rule {
    bool stores_pws_first;  // Pws := Kind_Pws(Tdb) right after the conversion, kept on refusal
    Entry_Limit upper_limit;
    Entry_Limit lower_limit;
    // Stores the accepted value and derives the properties that depend on it.
    void (*store)(state::Air_State& state, float value, state::Wet_Entry_Rule rule);
};

// The pieces the rows are written with.
template <float Limit>
double fixed(const state::Air_State&, state::Wet_Entry_Rule) {
    return Limit;
}

template <const state::Entry_Range& Range>
double highest(const state::Air_State&, state::Wet_Entry_Rule) {
    return Range.highest;
}

template <const state::Entry_Range& Range>
double lowest(const state::Air_State&, state::Wet_Entry_Rule) {
    return Range.lowest;
}

template <float (*Limit)(const state::Air_State&)>
double of_state(const state::Air_State& state, state::Wet_Entry_Rule) {
    return Limit(state);
}

// Limits that are properties of the stored state.
inline float Stored_Tdb(const state::Air_State& state) { return state.Tdb; }
inline float Stored_Pws(const state::Air_State& state) { return state.Pws; }

// A chain that no wet-entry rule concerns.
template <void (*Chain)(state::Air_State&, float)>
void ruleless(state::Air_State& state, float value, state::Wet_Entry_Rule) {
    Chain(state, value);
}

// What a window does with an entered value: tells of one beyond a limit, and decides on one within
// them (true: store it).
struct Entry_Report {
    std::function<void()> too_high;
    std::function<void()> too_low;
    std::function<bool()> within;
};

// The steps of an entry once its text is a number: Pws first where the rule says so, then the upper
// limit and the lower one at the stored state (both inclusive, the upper tested first), then the
// report or the store. The window's refresh follows.
void Enter_Property(state::Air_State& state, float value, const Entry_Rule& rule, state::Wet_Entry_Rule wet,
                    const Entry_Report& report);

}  // namespace commands
