#pragma once

#include "engine/float_env.h"
#include "engine/property_formulas.h"
#include "engine/property_kind.h"

// Temperatures in degree C. Arguments a kind does not use are ignored;
// reserved kinds give 0. Arguments outside a kind's domain follow the
// floating-point rules of engine/float_env.h (reports and Float_Error).
// Inline, so that a call with a constant kind costs only its formula.
inline float Calc_Property(Property_Kind kind, float x1, float x2 = 0, float x3 = 0) {
    return engine::to_single<double>(engine::property_value<double>(kind, x1, x2, x3));
}
