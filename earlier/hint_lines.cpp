#include "earlier/hint_lines.h"

#include <cstdint>
#include <string>

#include "earlier/psy.h"
#include "earlier/status_panels.h"
#include "state/entry_limits.h"

namespace moistrel {

namespace {

// The lower limit of AH and Pw, written as an integer.
constexpr std::int32_t Nothing = 0;

Range_Limits twb_limits(const Air_State& state) { return {Twb_Min(state), state.Tdb}; }
Range_Limits tdp_limits(const Air_State& state) { return {Tdp_Min(state), state.Tdb}; }
Range_Limits ah_limits(const Air_State& state) { return {Nothing, AH_Sat(state)}; }
Range_Limits pw_limits(const Air_State& state) { return {Nothing, state.Pws}; }

constexpr Range_Hint Hints[] = {
    {"乾球溫度", "適用範圍:-40 ℃ ∼ 70 ℃"},
    {"相對溼度", "適用範圍:0 ％ ∼ 100 ％"},
    {"濕球溫度", "適用範圍: %2.2f ℃ ∼ %2.2f ℃", twb_limits},
    {"露點溫度", "適用範圍: %2.2f ℃ ∼ %2.2f ℃", tdp_limits},
    {"絕對溼度", "適用範圍: %1d kg/kg∼%1.4f kg/kg", ah_limits},
    {"Degree of Saturation", "適用範圍: 0.0∼1.0"},
    {"蒸氣壓", "適用範圍: %1d kPa∼%1.4f kPa", pw_limits},
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
    if (!hint.limits) return std::string(hint.line2);
    const Range_Limits limits = hint.limits(state);
    return numtext::format_string(hint.line2, {limits[0], limits[1]});
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
