#include "chart/derive_state.h"

using state::Air_State;
using state::Derive_State;
using state::Enthalpy_Rule;
using state::Run_Whole_Chain;

namespace chart {

void Set_Point(Air_State& state, const Chart_Point& point, Enthalpy_Rule enthalpy) {
    Run_Whole_Chain(state, [&](Air_State& next) {
        next.RH = point.RH;
        next.Tdb = point.Tdb;
        next.Pws = point.Pws;
        Derive_State(next, point.Pw, enthalpy);
    });
}

}  // namespace chart
