#include "earlier/entry_rules.h"

#include "state/entry_chains.h"
#include "state/entry_limits.h"
#include "state/entry_ranges.h"

using state::AH_Sat;
using state::Enter_AH;
using state::Enter_DOS;
using state::Enter_Pw;
using state::Enter_RH;
using state::Enter_Tdb;
using state::Enter_Tdp;
using state::Enter_Twb;
using state::Percent_Range;
using state::Tdb_Range;
using state::Tdp_Min;
using state::Twb_Min;

namespace moistrel {

namespace {

using commands::fixed;
using commands::highest;
using commands::lowest;
using commands::of_state;
using commands::ruleless;

const Entry_Rule Rules[] = {
    {{false, highest<Tdb_Range>, lowest<Tdb_Range>, ruleless<Enter_Tdb>},
     "溫度輸入值太高，請重新輸入",
     "溫度輸入值太低，請重新輸入"},
    {{false, highest<Percent_Range>, lowest<Percent_Range>, ruleless<Enter_RH>},
     "相對溼度輸入值太高，請重新輸入",
     "相對溼度輸入值太低，請重新輸入"},
    {{true, of_state<commands::Stored_Tdb>, of_state<Twb_Min>, Enter_Twb},
     "濕球溫度輸入值太高，請重新輸入",
     "濕球溫度輸入值太低，請重新輸入"},
    {{false, of_state<commands::Stored_Tdb>, of_state<Tdp_Min>, Enter_Tdp},
     "露點溫度輸入值太高，請重新輸入",
     "露點溫度輸入值太低，請重新輸入"},
    {{false, of_state<AH_Sat>, fixed<0.0f>, ruleless<Enter_AH>},
     "絕對溼度輸入值太高，請重新輸入",
     "絕對溼度輸入值太低，請重新輸入"},
    {{false, fixed<1.0f>, fixed<0.0f>, ruleless<Enter_DOS>}, "dos輸入值太高，請重新輸入", "dos輸入值太低，請重新輸入"},
    {{false, of_state<commands::Stored_Pws>, fixed<0.0f>, ruleless<Enter_Pw>},
     "蒸氣壓輸入值太高，請重新輸入",
     "蒸氣壓輸入值太低，請重新輸入"},
};

}  // namespace

const Entry_Rule& Entry_Rule_Of(Entry entry) { return Rules[static_cast<int>(entry)]; }

std::span<const Entry_Rule> Entry_Rules() { return Rules; }

}  // namespace moistrel
