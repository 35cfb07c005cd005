#include <optional>
#include <string>
#include <string_view>

#include "main/psy.h"
#include "main/range_messages.h"
#include "numtext/mask_format.h"
#include "numtext/text_to_number.h"
#include "state/entry_ranges.h"
#include "state/evaporative_pad.h"
#include "ui/application.h"
#include "ui/static_controls.h"

using chart::Mode_Pad;
using state::After_Pad_State;
using state::After_Pad_Tdb;
using state::Air_State;
using state::Pad_Efficiency;
using state::Percent_Range;

namespace hygrodex {

// The sheet holds the pad's after-pad Tdb and efficiency only as its texts.
namespace {

constexpr std::string_view Efficiency_Mask = "##0.##";

// The AfterPad column but its Tdb, which keeps the text it was given.
void write_after_pad_outputs(const State_Column& column, const Air_State& after) {
    for (const Row_Info& info : State_Rows)
        if (info.row != Row::Tdb) column[info.row].set_text(shown_text(info.row, after));
}

}  // namespace

void TForm1::Edit_ptdb2Exit(ui::Control&) {
    const std::string text = Col_pad_after[Row::Tdb].text();
    if (text.empty()) return;
    const float t2 = numtext::text_to_single(text);
    if (!Within_Limits(application(), "Tdb", t2, State.Twb, State.Tdb)) return;
    if (text == shown_text(Row::Tdb, State)) return;
    Message3->set_caption("");
    const Air_State after = After_Pad_State(State, t2);
    const float efficiency = Pad_Efficiency(State, t2);
    write_after_pad_outputs(Col_pad_after, after);
    Edit_peff->set_text(numtext::format_mask(efficiency, Efficiency_Mask));
}

// No change test: leaving the field recomputes the AfterPad column.
void TForm1::Edit_peffExit(ui::Control&) {
    const std::string text = Edit_peff->text();
    if (text.empty()) return;
    const float efficiency = numtext::text_to_single(text);
    if (Within_Limits(application(), "Eff.", efficiency, Percent_Range.lowest, Percent_Range.highest)) Calc_Pad();
}

void TForm1::Calc_Pad() {
    const std::optional<float> efficiency = numtext::Optional_Number(Edit_peff->text());
    if (!efficiency) return;
    // An efficiency beyond 0..100, refused on entry but left in the field, gives no after-pad air.
    const std::optional<float> t2 = After_Pad_Tdb(State, *efficiency);
    if (!t2) return;
    Write_Column(Col_pad_after, After_Pad_State(State, *t2));
}

void TForm1::Btn_efficiencyClick(ui::Control&) {
    if (Col_pad_after[Row::Tdb].text().empty()) {
        application().error_box("Please input AfterPad condition or Eff.!!");
        return;
    }
    Message1->set_caption("Either AfterPad or Eff.");
    Message2->set_caption("  can be the unknown");
    Message3->set_caption("");
    Draw_Chart(Mode_Pad);
}

}  // namespace hygrodex
