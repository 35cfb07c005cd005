#include "earlier/hint_lines.h"

#include <string>

#include "earlier/psy.h"
#include "earlier/status_panels.h"

namespace moistrel {

namespace {

using commands::AH_Limits;
using commands::Pw_Limits;
using commands::Tdp_Limits;
using commands::Twb_Limits;

constexpr Range_Hint Hints[] = {
    {"乾球溫度", "適用範圍:-40 ℃ ∼ 70 ℃"},
    {"相對溼度", "適用範圍:0 ％ ∼ 100 ％"},
    {"濕球溫度", "適用範圍: %2.2f ℃ ∼ %2.2f ℃", Twb_Limits},
    {"露點溫度", "適用範圍: %2.2f ℃ ∼ %2.2f ℃", Tdp_Limits},
    {"絕對溼度", "適用範圍: %1d kg/kg∼%1.4f kg/kg", AH_Limits},
    {"Degree of Saturation", "適用範圍: 0.0∼1.0"},
    {"蒸氣壓", "適用範圍: %1d kPa∼%1.4f kPa", Pw_Limits},
};

// The third line keeps what the field just left wrote there.
void write_range_hint(TForm1& form, Entry entry) {
    const Range_Hint& hint = Range_Hint_Of(entry);
    form.Message1->set_caption(std::string(hint.line1));
    form.Message2->set_caption(Range_Line(hint, form.State));
}

void write_hover_hint(TForm1& form, std::string_view text) {
    form.StatusBar1->set_panel_text(Hover_Panel, std::string(text));
}

}  // namespace

const Range_Hint& Range_Hint_Of(Entry entry) { return Hints[static_cast<int>(entry)]; }

std::string Range_Line(const Range_Hint& hint, const Air_State& state) {
    return commands::Range_Line(hint.line2, hint.limits, state);
}

std::span<const Range_Hint> Range_Hints() { return Hints; }

void TForm1::Edit_tdbEnter(ui::Control&) { write_range_hint(*this, Entry::Tdb); }
void TForm1::Edit_rhEnter(ui::Control&) { write_range_hint(*this, Entry::RH); }
void TForm1::Edit_twbEnter(ui::Control&) { write_range_hint(*this, Entry::Twb); }
void TForm1::Edit_tdpEnter(ui::Control&) { write_range_hint(*this, Entry::Tdp); }
void TForm1::Edit_ahEnter(ui::Control&) { write_range_hint(*this, Entry::AH); }
void TForm1::Edit_dosEnter(ui::Control&) { write_range_hint(*this, Entry::DOS); }
void TForm1::Edit_pwEnter(ui::Control&) { write_range_hint(*this, Entry::Pw); }

void TForm1::GroupBox1MouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::Line_Switches);
}
void TForm1::GroupBox2MouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::State_Panel);
}
void TForm1::GroupBox3MouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::Chart_Adjustment);
}
void TForm1::GroupBox4MouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::Messages);
}
void TForm1::Button1MouseMove(ui::Control&, ui::Shift_State, int, int) {
    write_hover_hint(*this, hover_text::Exit_Button);
}

// The prompt and the readout of the chart go when the pointer leaves it for the background.
void TForm1::FormMouseMove(ui::Control&, ui::Shift_State, int, int) {
    StatusBar1->set_panel_text(Hover_Panel, "");
    StatusBar1->set_panel_text(Readout_Panel, "");
}

}  // namespace moistrel
