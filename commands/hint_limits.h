#pragma once

#include <array>
#include <string>
#include <string_view>

#include "numtext/format_string.h"
#include "state/air_state.h"

// The ranges that both windows' hints show for an entered field, at the stored state.
namespace commands {

using Range_Limits = std::array<numtext::Format_Arg, 2>;
using Limits_Of = Range_Limits (*)(const state::Air_State& state);

Range_Limits Twb_Limits(const state::Air_State& state);
Range_Limits Tdp_Limits(const state::Air_State& state);
Range_Limits AH_Limits(const state::Air_State& state);
Range_Limits H_Limits(const state::Air_State& state);
Range_Limits SV_Limits(const state::Air_State& state);
Range_Limits Pw_Limits(const state::Air_State& state);

// A hint's range line: with limits, the line is the format they fill in; without, it is shown as
// it is.
std::string Range_Line(std::string_view line, Limits_Of limits, const state::Air_State& state);

}  // namespace commands
