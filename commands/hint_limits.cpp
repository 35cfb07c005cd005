#include "commands/hint_limits.h"

#include <cstdint>

#include "state/entry_limits.h"

using state::AH_Sat;
using state::Air_State;
using state::H_Min;
using state::H_Sat;
using state::SV_Min;
using state::SV_Sat;
using state::Tdp_Min;
using state::Twb_Min;

namespace commands {

namespace {
// The lower limit of AH and Pw, written as an integer.
constexpr std::int32_t Nothing = 0;
}  // namespace

Range_Limits Twb_Limits(const Air_State& state) { return {Twb_Min(state), state.Tdb}; }
Range_Limits Tdp_Limits(const Air_State& state) { return {Tdp_Min(state), state.Tdb}; }
Range_Limits AH_Limits(const Air_State& state) { return {Nothing, AH_Sat(state)}; }
Range_Limits H_Limits(const Air_State& state) { return {H_Min(state), H_Sat(state)}; }
Range_Limits SV_Limits(const Air_State& state) { return {SV_Min(state), SV_Sat(state)}; }
Range_Limits Pw_Limits(const Air_State& state) { return {Nothing, state.Pws}; }

std::string Range_Line(std::string_view line, Limits_Of limits, const Air_State& state) {
    if (!limits) return std::string(line);
    const Range_Limits values = limits(state);
    return numtext::format_string(line, {values[0], values[1]});
}

}  // namespace commands
