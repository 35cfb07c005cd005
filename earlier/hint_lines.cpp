#include "earlier/hint_lines.h"

#include <string>

#include "earlier/psy.h"
#include "earlier/status_panels.h"
#include "ui/containers.h"
#include "ui/static_controls.h"

using state::Air_State;

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

}  // namespace

const Range_Hint& Range_Hint_Of(Entry entry) { return Hints[static_cast<int>(entry)]; }

std::string Range_Line(const Range_Hint& hint, const Air_State& state) {
    return commands::Range_Line(hint.line2, hint.limits, state);
}

std::span<const Range_Hint> Range_Hints() { return Hints; }

// The third line keeps what the field just left wrote there.
void TForm1::Show_Range_Hint(Entry entry) {
    const Range_Hint& hint = Range_Hint_Of(entry);
    Message1->set_caption(std::string(hint.line1));
    Message2->set_caption(Range_Line(hint, State));
}

void TForm1::Show_Hover_Hint(std::string_view text) { StatusBar1->set_panel_text(Hover_Panel, std::string(text)); }

}  // namespace moistrel
