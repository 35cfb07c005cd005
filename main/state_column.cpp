#include "main/state_column.h"

void Write_Column(const State_Column& column, const Air_State& state) {
    for (const Row_Info& info : State_Rows) column[info.row].set_text(shown_text(info.row, state));
}
