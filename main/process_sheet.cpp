#include <array>
#include <string_view>

#include "engine/float_env.h"
#include "main/psy.h"
#include "numtext/mask_format.h"
#include "numtext/variant_text.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/static_controls.h"

using chart::Mode_Process;
using state::Air_State;

namespace hygrodex {

namespace {

// One of the two state columns with the speed button under it.
struct Process_Side {
    ui::Speed_Button& button;
    const State_Column& column;
};

void set_column_enabled(const State_Column& column, bool enabled) {
    for (ui::Edit* edit : column.edits) edit->set_enabled(enabled);
}

bool holds_focus(const TForm1& form, const State_Column& column) {
    for (const ui::Edit* edit : column.edits)
        if (form.focused() == edit) return true;
    return false;
}

// Makes now's column the active one in place of before's.
void activate(TForm1& form, Air_State& state, Process_Side now, Process_Side before) {
    // A field of the column being left may still hold an entry: it is taken first, with that
    // column active again, so that its refresh rewrites that column and leaves the other's texts
    // as they are. An entry that is not a number stops the switch with the old column active.
    before.button.set_down(true);
    if (holds_focus(form, before.column)) form.focus_control(nullptr);
    now.button.set_down(true);

    now.button.set_caption("Active");
    before.button.set_caption("Inactive");
    set_column_enabled(now.column, true);
    set_column_enabled(before.column, false);
    // A column without a state gets one from its first entry, computed from the current state.
    if (Holds_State(now.column)) {
        Load_Column(now.column, state);
        form.Show_State();
    }
}

// The group has already pressed or released the clicked button: either way the other column
// becomes the active one.
void switch_columns(TForm1& form, Air_State& state, Process_Side clicked, Process_Side other) {
    if (clicked.button.down()) activate(form, state, clicked, other);
    else activate(form, state, other, clicked);
}

// The differences of the two pressures have precisions of their own, Pws finer, Pw coarser.
constexpr std::string_view difference_mask(Row row) {
    switch (row) {
    case Row::Pws: return "###0.####";
    case Row::Pw: return "###0.##";
    default: return row_info(row).mask;
    }
}

}  // namespace

void TForm1::SBtn_two1Click(ui::Control&) {
    switch_columns(*this, State, {*SBtn_two1, Col_two1}, {*SBtn_two2, Col_two2});
}

void TForm1::SBtn_two2Click(ui::Control&) {
    switch_columns(*this, State, {*SBtn_two2, Col_two2}, {*SBtn_two1, Col_two1});
}

// State 2 - State 1 from the texts as they stand in the edits, whichever column is active.
void TForm1::Btn_2calClick(ui::Control&) {
    if (Col_two2[Row::Tdb].text().empty()) {
        application().error_box("Please input state 2!!");
        return;
    }
    // Every text is converted before the first difference is written.
    std::array<float, Row_Count> differences{};
    for (const Row_Info& info : State_Rows) {
        const long double state2 = numtext::variant_to_double(Col_two2[info.row].text());
        const double state1 = numtext::variant_to_double(Col_two1[info.row].text());
        differences[row_index(info.row)] = engine::to_single(state2 - state1);
    }
    for (const Row_Info& info : State_Rows)
        Col_two_diff[info.row].set_text(
            numtext::format_mask(differences[row_index(info.row)], difference_mask(info.row)));
    Message1->set_caption("Diff.=");
    Message2->set_caption("Properties of State 2 - State 1");
    Message3->set_caption("");
    Draw_Chart(Mode_Process);
}

}  // namespace hygrodex
