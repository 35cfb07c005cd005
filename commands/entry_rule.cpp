#include "commands/entry_rule.h"

#include "state/state_steps.h"

using state::Air_State;
using state::Wet_Entry_Rule;

namespace commands {

void Enter_Property(Air_State& state, float value, const Entry_Rule& rule, Wet_Entry_Rule wet,
                    const Entry_Report& report) {
    if (rule.stores_pws_first) state::step::Pws_From_Tdb(state);
    if (value > rule.upper_limit(state, wet)) report.too_high();
    else if (value < rule.lower_limit(state, wet)) report.too_low();
    else if (report.within()) rule.store(state, value, wet);
}

}  // namespace commands
