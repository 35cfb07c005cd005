#include "earlier/entry_rules.h"

#include "state/entry_chains.h"
#include "state/entry_limits.h"
#include "state/entry_ranges.h"

namespace moistrel {

namespace {

template <float Limit>
float fixed(const Air_State&) {
    return Limit;
}

template <const Entry_Range& Range>
float highest(const Air_State&) {
    return Range.highest;
}

template <const Entry_Range& Range>
float lowest(const Air_State&) {
    return Range.lowest;
}

float stored_tdb(const Air_State& s) { return s.Tdb; }
float stored_pws(const Air_State& s) { return s.Pws; }

// The wet bulb and the dew point meet the stored Tdb; saturation is left to the engine's fits.
void wet_bulb(Air_State& s, float value) { Enter_Twb(s, value, Wet_Entry_Rule::Stored_Tdb); }
void dew_point(Air_State& s, float value) { Enter_Tdp(s, value, Wet_Entry_Rule::Stored_Tdb); }

constexpr Entry_Rule Rules[] = {
    {"溫度輸入值太高，請重新輸入", "溫度輸入值太低，請重新輸入", false, highest<Tdb_Range>, lowest<Tdb_Range>, Enter_Tdb},
    {"相對溼度輸入值太高，請重新輸入", "相對溼度輸入值太低，請重新輸入", false, highest<Percent_Range>, lowest<Percent_Range>, Enter_RH},
    {"濕球溫度輸入值太高，請重新輸入", "濕球溫度輸入值太低，請重新輸入", true, stored_tdb, Twb_Min, wet_bulb},
    {"露點溫度輸入值太高，請重新輸入", "露點溫度輸入值太低，請重新輸入", false, stored_tdb, Tdp_Min, dew_point},
    {"絕對溼度輸入值太高，請重新輸入", "絕對溼度輸入值太低，請重新輸入", false, AH_Sat, fixed<0.0f>, Enter_AH},
    {"dos輸入值太高，請重新輸入", "dos輸入值太低，請重新輸入", false, fixed<1.0f>, fixed<0.0f>, Enter_DOS},
    {"蒸氣壓輸入值太高，請重新輸入", "蒸氣壓輸入值太低，請重新輸入", false, stored_pws, fixed<0.0f>, Enter_Pw},
};

}  // namespace

const Entry_Rule& Entry_Rule_Of(Entry entry) { return Rules[static_cast<int>(entry)]; }

std::span<const Entry_Rule> Entry_Rules() { return Rules; }

}  // namespace moistrel
