#include <optional>
#include <string>
#include <string_view>

#include "engine/float_env.h"
#include "engine/property.h"
#include "main/psy.h"
#include "main/range_messages.h"
#include "state/state_steps.h"
#include "numtext/mask_format.h"
#include "numtext/text_to_number.h"

// The air leaves an evaporative pad at the enthalpy it came with, cooler and more humid; the
// pad's efficiency is how far its Tdb falls from the outdoor Tdb towards the outdoor Twb. Both
// are held only as the texts of the sheet.
namespace {

constexpr std::string_view Efficiency_Mask = "##0.##";
constexpr float Full_Efficiency = 100;  // %
constexpr float No_Efficiency = 0;
constexpr long double Percent = 0.01L;

// The after-pad air at the dry bulb t2, which lies between the outdoor Twb and Tdb.
Air_State after_pad_state(const Air_State& outdoor, float t2) {
    // Saturated air leaves the pad as it came: it can be neither cooled nor moistened.
    if (outdoor.Twb == outdoor.Tdb) return outdoor;
    Air_State after = outdoor;  // Patm and H
    after.Tdb = t2;
    after.Pws = Calc_Property(Kind_Pws, t2);
    after.AH = AH_From_H(t2, outdoor.H);
    after.Pw = Calc_Property(Kind_Pw_AH, after.Patm, after.AH);
    if (after.Pw >= after.Pws) {
        // The constant-enthalpy line has passed the saturation curve at t2.
        after.RH = 100;
        after.Pw = after.Pws;
        after.Twb = outdoor.Twb;
        after.Tdp = outdoor.Twb;
    } else {
        after.RH = RH_From_Pw(after.Pw, after.Pws);
        after.Tdp = Dew_Point(after);
        after.Twb = Calc_Property(Kind_Twb, t2, after.Tdp);
    }
    after.SV = Calc_Property(Kind_SV, after.Patm, t2, after.AH);
    after.Hfg = Calc_Property(Kind_Hfg, t2);
    after.DOS = Calc_Property(Kind_DOS, after.Patm, after.Pws, after.Pw);
    return after;
}

// The efficiency in % that cools the outdoor air to t2. Saturated air admits only its own Tdb,
// which is no cooling.
float efficiency_of(const Air_State& outdoor, float t2) {
    if (outdoor.Twb == outdoor.Tdb) return No_Efficiency;
    const long double cooling = static_cast<long double>(outdoor.Tdb) - t2;
    return engine::to_single(engine::divide(cooling, static_cast<long double>(outdoor.Tdb) - outdoor.Twb) * 100);
}

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
    const Air_State after = after_pad_state(State, t2);
    const float efficiency = efficiency_of(State, t2);
    write_after_pad_outputs(Col_pad_after, after);
    Edit_peff->set_text(numtext::format_mask(efficiency, Efficiency_Mask));
}

// No change test: leaving the field recomputes the AfterPad column.
void TForm1::Edit_peffExit(ui::Control&) {
    const std::string text = Edit_peff->text();
    if (text.empty()) return;
    const float efficiency = numtext::text_to_single(text);
    if (Within_Limits(application(), "Eff.", efficiency, No_Efficiency, Full_Efficiency)) Calc_Pad();
}

void TForm1::Calc_Pad() {
    const std::optional<float> efficiency = numtext::Optional_Number(Edit_peff->text());
    if (!efficiency) return;
    const long double wet_bulb_depression = static_cast<long double>(State.Tdb) - State.Twb;
    const float t2 = engine::to_single(State.Tdb - wet_bulb_depression * *efficiency * Percent);
    // An efficiency beyond 0..100, refused on entry but left in the field, gives no after-pad air.
    if (t2 > State.Tdb || t2 < State.Twb) return;
    Write_Column(Col_pad_after, after_pad_state(State, t2));
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
