#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/float_env.h"
#include "engine/property.h"
#include "main/psy.h"
#include "main/range_messages.h"
#include "state/state_steps.h"
#include "numtext/mask_format.h"
#include "numtext/text_to_number.h"

// A leaf is taken as saturated air at its temperature; the vapour-pressure deficit is its
// saturation pressure less the air's vapour pressure. Both are held only as texts of the sheet.
namespace {

constexpr std::string_view Deficit_Mask = "##0.###";
constexpr float Highest_Leaf_Tdb = 70;
constexpr float Lowest_Leaf_Tdb = -40;
constexpr long double Kelvin_Offset = 273.15L;

Air_State leaf_state(float patm, float leaf_tdb) {
    Air_State leaf;
    leaf.Patm = patm;
    leaf.Tdb = leaf_tdb;
    leaf.Pws = Calc_Property(Kind_Pws, leaf_tdb);
    Set_Saturated(leaf);
    Derive_Common_Tail(leaf);
    return leaf;
}

float difference(float a, float b) { return engine::to_single(static_cast<long double>(a) - b); }

// The saturation pressure has no value at absolute zero and below.
bool has_saturation_pressure(float temperature) { return temperature + Kelvin_Offset > 0; }

// The Leaf column from Twb down; its Tdb keeps the text as typed and its RH the layout's "100".
constexpr auto Leaf_Output_Rows = std::span(State_Rows).subspan(row_index(Row::Twb));

}  // namespace

void TForm1::Edit_vtdb2Exit(ui::Control&) {
    const std::string text = Col_vpd_leaf[Row::Tdb].text();
    if (text.empty()) return;
    const float leaf_tdb = numtext::text_to_single(text);
    if (!Within_Limits(application(), "Tdb", leaf_tdb, Lowest_Leaf_Tdb, Highest_Leaf_Tdb)) return;
    const Air_State leaf = leaf_state(State.Patm, leaf_tdb);
    const float deficit = difference(leaf.Pws, State.Pw);
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
    if (!leaf_tdb || !has_saturation_pressure(*leaf_tdb)) return;
    Message3->set_caption("");
    Edit_vvpd->set_text(numtext::format_mask(difference(Calc_Property(Kind_Pws, *leaf_tdb), State.Pw), Deficit_Mask));
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
