#include "main/state_rows.h"

#include "engine/float_env.h"
#include "numtext/mask_format.h"

using state::Air_State;

namespace hygrodex {

namespace {

constexpr bool rows_in_enum_order() {
    for (std::size_t i = 0; i < Row_Count; ++i)
        if (row_index(State_Rows[i].row) != i) return false;
    return true;
}
static_assert(rows_in_enum_order(), "State_Rows must be indexed by Row");

}  // namespace

float shown_value(Row row, const Air_State& state) {
    const Row_Info& info = row_info(row);
    const float value = state.*info.field;
    return info.shown_in_percent ? engine::to_single(static_cast<long double>(value) * 100) : value;
}

std::string shown_text(Row row, const Air_State& state) {
    return numtext::format_mask(shown_value(row, state), row_info(row).mask);
}

}  // namespace hygrodex
