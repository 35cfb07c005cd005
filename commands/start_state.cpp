#include "commands/start_state.h"

#include "commands/zoom_buttons.h"

using chart::Chart_Fields;
using state::Air_State;
using state::State_From_Tdb_RH;

namespace commands {

namespace {
constexpr float Standard_Patm_kPa = 101.325f;
constexpr float Start_Tdb = 20;
constexpr float Start_RH = 50;
}  // namespace

void Start_State(Air_State& state, Chart_Fields& chart) {
    state = State_From_Tdb_RH(Standard_Patm_kPa, Start_Tdb, Start_RH);
    chart.Half_Span = Default_Half_Span;
}

}  // namespace commands
