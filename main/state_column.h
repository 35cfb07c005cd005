#pragma once

#include <array>

#include "engine/air_state.h"
#include "main/state_rows.h"
#include "ui/edit.h"

// One column of a sheet: an edit per row, Tdb at the top.
struct State_Column {
    std::array<ui::Edit*, Row_Count> edits{};

    ui::Edit& operator[](Row row) const { return *edits[row_index(row)]; }
};

// Writes every row of the state into the column, each with its display mask.
void Write_Column(const State_Column& column, const Air_State& state);
