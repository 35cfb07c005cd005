#include "main/state_column.h"

#include "engine/float_env.h"
#include "numtext/text_to_number.h"

using state::Air_State;

namespace hygrodex {

bool Holds_State(const State_Column& column) {
    return !column[Row::Tdb].text().empty() && !column[Row::RH].text().empty();
}

void Write_Column(const State_Column& column, const Air_State& state) {
    for (const Row_Info& info : State_Rows) column[info.row].set_text(shown_text(info.row, state));
}

void Load_Column(const State_Column& column, Air_State& state) {
    Air_State loaded = state;
    for (const Row_Info& info : State_Rows) {
        const long double value = numtext::text_to_float(column[info.row].text());
        loaded.*info.field = engine::to_single(info.shown_in_percent ? value * 0.01L : value);
    }
    state = loaded;
}

}  // namespace hygrodex
