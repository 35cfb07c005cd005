#include "numtext/int_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr std::int32_t Int_Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Int_Min = std::numeric_limits<std::int32_t>::min();
constexpr long double Infinity = std::numeric_limits<long double>::infinity();

TEST(Int_Text, Writes_Decimal_Digits) {
    struct Case {
        std::int32_t value;
        const char* expected;
    };
    const Case cases[] = {{0, "0"}, {7, "7"}, {-5, "-5"}, {Int_Max, "2147483647"}, {Int_Min, "-2147483648"}};
    for (const auto& c : cases) EXPECT_EQ(numtext::int_to_text(c.value), c.expected);
}

TEST(Int_Text, Truncates_Toward_Zero_And_Saturates) {
    struct Case {
        long double value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {-0.5, 0},
        {13.786829f, 13},
        // Just short of a whole number, closer to it than a double can tell.
        {275.0L - 0x1p-50L, 274},
        {-(4.0L - 0x1p-55L), -3},
        {2147483648.0L - 0x1p-33L, Int_Max},
        {-2147483649.0L + 0x1p-32L, Int_Min},
        {0x1p-16000L, 0},
        {2147483647.9L, Int_Max},
        {2147483648.0L, Int_Max},
        {-2147483648.9L, Int_Min},
        {-2147483649.0L, Int_Min},
        {1e30, Int_Max},
        {-1e30, Int_Min},
        {Infinity, Int_Max},
        {-Infinity, Int_Min},
        {std::numeric_limits<long double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numtext::truncate_to_int(c.value), c.expected) << static_cast<double>(c.value);
    }
}

}  // namespace
