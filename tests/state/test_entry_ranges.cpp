#include "state/entry_ranges.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using state::Percent_Range;
using state::Range_Message;
using state::Tdb_Range;

namespace {

TEST(Range_Message, NamesTheLimitAValuePassesUpperFirstAndLetsTheLimitsThemselvesPass) {
    const struct {
        const char* name;
        double value;
        double lower;
        double upper;
        std::optional<std::string> message;
    } cases[] = {
        {"Tdb", 70.01, Tdb_Range.lowest, Tdb_Range.highest, "Tdb is too high. Please reinput!!"},
        {"Tdb", -40.01, Tdb_Range.lowest, Tdb_Range.highest, "Tdb is too low. Please reinput!!"},
        {"Tdb", 70, Tdb_Range.lowest, Tdb_Range.highest, std::nullopt},
        {"Tdb", -40, Tdb_Range.lowest, Tdb_Range.highest, std::nullopt},
        {"Eff.", 100.01, Percent_Range.lowest, Percent_Range.highest, "Eff. is too high. Please reinput!!"},
        {"RH", -1, Percent_Range.lowest, Percent_Range.highest, "RH is too low. Please reinput!!"},
        {"Tdb", 25, 30, 20, "Tdb is too high. Please reinput!!"},  // beyond both: upper first
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Range_Message(c.name, c.value, c.lower, c.upper), c.message) << c.name << " " << c.value;
    }
}

}  // namespace
