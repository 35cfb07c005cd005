#include "state/leaf_state.h"

#include "engine/float_env.h"
#include "engine/physical_constants.h"
#include "engine/property.h"
#include "state/state_steps.h"

namespace state {

Air_State Leaf_State(float Patm, float Tleaf) {
    Air_State leaf;
    leaf.Patm = Patm;
    Run_Whole_Chain(leaf, [Tleaf](Air_State& s) {
        s.Tdb = Tleaf;
        step::Pws_From_Tdb(s);
        Set_Saturated(s);
        Derive_Common_Tail(s);
    });
    return leaf;
}

float Vapour_Pressure_Deficit(float Tleaf, float air_Pw) {
    return engine::to_single(static_cast<long double>(Calc_Property(Kind_Pws, Tleaf)) - air_Pw);
}

bool Has_Saturation_Pressure(float T) { return T + engine::kelvin_offset > 0; }

}  // namespace state
