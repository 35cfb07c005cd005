#include "numtext/general_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct General_Case {
    long double value;
    const char* expected;
};

const General_Case General_Cases[] = {
    // Fixed notation from 0.0001 up to below 1e15.
    {0.0001, "0.0001"},
    {0.00012, "0.00012"},
    {123.456, "123.456"},
    {100000, "100000"},
    {-42.5, "-42.5"},
    {999999999999999, "999999999999999"},
    // 15 significant digits; a float shows its widened value.
    {13.786829f, "13.786828994751"},
    {0.1f, "0.100000001490116"},
    {2.0L / 3.0L, "0.666666666666667"},
    // The bounds apply after rounding.
    {999999999999999.5, "1E15"},
    {0.00009999999999999999L, "0.0001"},
    // Scientific notation otherwise: no "+" and no leading zeros in the exponent.
    {0.00001, "1E-5"},
    {-1.5e-7, "-1.5E-7"},
    {1e15, "1E15"},
    {-2.5e20L, "-2.5E20"},
    {1.23456789012345e20, "1.23456789012345E20"},
    {1e300, "1E300"},
    // Zero and the values that are not finite.
    {0, "0"},
    {-0.0, "0"},
    {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    {std::numeric_limits<long double>::infinity(), "INF"},
    {-std::numeric_limits<long double>::infinity(), "-INF"},
};

TEST(General_Format, Writes_Each_Case) {
    for (const auto& c : General_Cases) {
        EXPECT_EQ(numtext::format_general(c.value), c.expected) << static_cast<double>(c.value);
    }
}

}  // namespace
