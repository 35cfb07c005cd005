#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "numtext/int_text.h"
#include "numtext/number_keys.h"
#include "numtext/text_to_number.h"
#include "state/entry_ranges.h"
#include "tables/tables.h"
#include "ui/calling.h"
#include "ui/enter_walk.h"

using state::Entry_Range;
using state::Percent_Range;
using state::Range_Message;
using state::Tdb_Range;

namespace tables {

// The input controls of the sheets: each step label follows its bar, a key filter keeps the keys
// of a number and walks the sheet's group on Enter, leaving a limit edit warns of a value out of
// range, and entering a control writes its hint lines. Each family is one routine; the tables
// below tell its members apart.
namespace {

struct Hint {
    std::string_view line1;
    std::string_view line2;
    std::string_view line3;
};

constexpr Hint Tdb_Low_Hint = {"Lower Limit of Tdb", "Range : -40  <--> 70", "degree C"};
constexpr Hint Tdb_High_Hint = {"Upper Limit of Tdb", "Range : -40  <--> 70", "degree C"};
constexpr Hint Tdb_Step_Hint = {"Interval between", "two Tdb columns.", "Unit : degree C"};

// By input, in the order of Table_Input.
constexpr std::array<Hint, Table_Input_Count> RH_Row_Hints = {{
    Tdb_Low_Hint,
    Tdb_High_Hint,
    {"Lower Limit of RH", "Range : 0  <--> 100 %", ""},
    {"Upper Limit of RH", "Range : 0  <--> 100 %", ""},
    Tdb_Step_Hint,
    {"Interval between", "two RH rows.", "Unit : %"},
}};

constexpr std::array<Hint, Table_Input_Count> Twb_Row_Hints = {{
    Tdb_Low_Hint,
    Tdb_High_Hint,
    {"Lower Limit of Twb", "Range : -40  <--> 70", "degree C"},
    {"Upper Limit of Twb", "Range : -40  <--> 70", "degree C"},
    Tdb_Step_Hint,
    {"Interval between", "two Twb rows.", "Unit : degree C"},
}};

// The range a limit edit warns about, by the quantity's short name.
struct Limit_Range {
    std::string_view name;
    Entry_Range range;
};

constexpr Limit_Range Tdb_Limits = {"Tdb", Tdb_Range};
constexpr Limit_Range RH_Limits = {"RH", Percent_Range};
constexpr Limit_Range Twb_Limits = {"Twb", Tdb_Range};

bool is_tdb_limit(Table_Input input) { return input == Table_Input::Tdb_Low || input == Table_Input::Tdb_High; }

bool is_limit(Table_Input input) {
    return is_tdb_limit(input) || input == Table_Input::Row_Low || input == Table_Input::Row_High;
}

const Limit_Range& range_of(Row_Axis rows, Table_Input input) {
    if (is_tdb_limit(input)) return Tdb_Limits;
    return rows == Row_Axis::RH ? RH_Limits : Twb_Limits;
}

std::array<ui::Win_Control*, Table_Input_Count> inputs_of(const Table_Sheet& sheet) {
    return {sheet.tdb_low, sheet.tdb_high, sheet.row_low, sheet.row_high, sheet.col_step, sheet.row_step};
}

}  // namespace

void Tpsytable::Bind_Handlers() {
    for (const Table_Sheet_Definition& definition : Table_Sheets) {
        const Table_Sheet& sheet = Sheets[static_cast<std::size_t>(definition.kind)];
        const Row_Axis rows = definition.rows;
        const auto inputs = inputs_of(sheet);
        for (std::size_t i = 0; i < Table_Input_Count; ++i) {
            const auto input = static_cast<Table_Input>(i);
            ui::Win_Control& control = *inputs[i];
            control.OnKeyPress = [this, &sheet](ui::Control&, char& key) { Filter_Key(sheet, key); };
            control.OnEnter = [this, rows, input](ui::Control&) { Show_Hint(rows, input); };
            if (is_limit(input))
                control.OnExit = [this, rows, input](ui::Control& sender) { Warn_Range(sender, rows, input); };
        }
        sheet.col_step->OnChange = [this, &sheet](ui::Control&) { Show_Step(sheet, Table_Input::Col_Step); };
        sheet.row_step->OnChange = [this, &sheet](ui::Control&) { Show_Step(sheet, Table_Input::Row_Step); };
    }
    Btn_count->OnClick = ui::calling(this, &Tpsytable::Btn_countClick);
    Btn_cls->OnClick = ui::calling(this, &Tpsytable::Btn_clsClick);
}

void Tpsytable::Show_Step(const Table_Sheet& sheet, Table_Input bar) {
    const bool columns = bar == Table_Input::Col_Step;
    ui::Label& label = columns ? *sheet.col_step_label : *sheet.row_step_label;
    label.set_caption(numtext::int_to_text((columns ? sheet.col_step : sheet.row_step)->position()));
}

// Enter cycles through the sheet's six inputs; with none of them focused it moves nothing.
void Tpsytable::Filter_Key(const Table_Sheet& sheet, char& key) {
    numtext::filter_number_key(
        key, [] {},
        [this, &sheet] {
            const auto inputs = inputs_of(sheet);
            std::array<ui::Win_Control*, Table_Input_Count + 1> round;
            std::copy(inputs.begin(), inputs.end(), round.begin());
            round.back() = inputs.front();
            ui::step_in_order(round, *this);
        });
}

// A warning only: the text stays as typed and can still be listed.
void Tpsytable::Warn_Range(ui::Control& sender, Row_Axis rows, Table_Input input) {
    const std::string& text = sender.text();
    if (text.empty()) return;
    const std::int32_t value = numtext::truncate_to_int(numtext::text_to_float(text));
    const Limit_Range& limits = range_of(rows, input);
    const std::optional<std::string> message =
        Range_Message(limits.name, value, limits.range.lowest, limits.range.highest);
    if (message) application().error_box(*message);
}

void Tpsytable::Show_Hint(Row_Axis rows, Table_Input input) {
    const Hint& hint = (rows == Row_Axis::RH ? RH_Row_Hints : Twb_Row_Hints)[static_cast<std::size_t>(input)];
    Write_Messages(hint.line1, hint.line2, hint.line3);
}

}  // namespace tables
