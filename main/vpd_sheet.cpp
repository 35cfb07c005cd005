#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/float_env.h"
#include "main/psy.h"
#include "main/range_messages.h"
#include "numtext/mask_format.h"
#include "numtext/text_to_number.h"
#include "state/entry_ranges.h"
#include "state/leaf_state.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/static_controls.h"

using chart::Mode_VPD;
using state::Air_State;
using state::Has_Saturation_Pressure;
using state::Leaf_State;
using state::Tdb_Range;
using state::Vapour_Pressure_Deficit;

namespace hygrodex {

// The sheet holds the leaf temperature and the deficit only as its texts.
namespace {

constexpr std::string_view Deficit_Mask = "##0.###";

float difference(float a, float b) { return engine::to_single(static_cast<long double>(a) - b); }

// The Leaf column from Twb down; its Tdb keeps the text as typed and its RH the layout's "100".
constexpr auto Leaf_Output_Rows = std::span(State_Rows).subspan(row_index(Row::Twb));

}  // namespace

void TForm1::Edit_vtdb2Exit(ui::Control&) {
    const std::string text = Col_vpd_leaf[Row::Tdb].text();
    if (text.empty()) return;
    const float leaf_tdb = numtext::text_to_single(text);
    if (!Within_Limits(application(), "Tdb", leaf_tdb, Tdb_Range.lowest, Tdb_Range.highest)) return;
    const Air_State leaf = Leaf_State(State.Patm, leaf_tdb);
    const float deficit = Vapour_Pressure_Deficit(leaf_tdb, State.Pw);
    const float leaf_minus_air = difference(leaf_tdb, State.Tdb);
    for (const Row_Info& info : Leaf_Output_Rows) Col_vpd_leaf[info.row].set_text(shown_text(info.row, leaf));
    Edit_vvpd->set_text(numtext::format_mask(deficit, Deficit_Mask));
    Edit_vtdbd->set_text(numtext::format_mask(leaf_minus_air, row_info(Row::Tdb).mask));
}

// Only the deficit follows the air; Tleaf-Tair and the Leaf column keep the last leaf entry's.
void TForm1::Calc_VPD() {
    // No range test: a leaf temperature refused on entry but left in the field still counts here,
    // unless it has no saturation pressure at all.
    const std::optional<float> leaf_tdb = numtext::Optional_Number(Col_vpd_leaf[Row::Tdb].text());
    if (!leaf_tdb || !Has_Saturation_Pressure(*leaf_tdb)) return;
    Message3->set_caption("");
    const float deficit = Vapour_Pressure_Deficit(*leaf_tdb, State.Pw);
    Edit_vvpd->set_text(numtext::format_mask(deficit, Deficit_Mask));
}

void TForm1::Btn_vpdClick(ui::Control&) {
    if (Col_vpd_leaf[Row::Tdb].text().empty()) {
        application().error_box("Please input Leaf state!!");
        return;
    }
    // The deficit is read between Pw lines; ticking the box redraws at once when it was unticked.
    Check_Pw->set_checked(true);
    Message1->set_caption("VPD(Vapor Pressure Deficit)");
    Message2->set_caption("The vertical distance between");
    Message3->set_caption("      two horizontal lines.");
    Draw_Chart(Mode_VPD);
}

}  // namespace hygrodex
