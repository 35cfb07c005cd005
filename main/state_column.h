#pragma once

#include <array>

#include "main/state_rows.h"
#include "state/air_state.h"
#include "ui/edit.h"

namespace hygrodex {

// One column of a sheet: an edit per row, Tdb at the top.
struct State_Column {
    std::array<ui::Edit*, Row_Count> edits{};

    ui::Edit& operator[](Row row) const { return *edits[row_index(row)]; }
};

// Whether the column holds a state: its Tdb and its RH text are both non-empty (the other texts
// are not looked at).
bool Holds_State(const State_Column& column);

// Writes every row of the state into the column, each with its display mask.
void Write_Column(const State_Column& column, const state::Air_State& state);

// Takes the eleven texts of the column into the state as they stand, rounded as they are, without
// range tests or recomputing; DOS is read in % and held as a fraction; Patm is kept. Every text
// is converted before any is stored: a text that is not a number raises the conversion error
// and leaves the state as it was.
void Load_Column(const State_Column& column, state::Air_State& state);

}  // namespace hygrodex
