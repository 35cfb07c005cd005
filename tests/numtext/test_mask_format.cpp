#include "numtext/mask_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

namespace {

struct Mask_Case {
    const char* mask;
    long double value;
    const char* expected;
};

// A relative humidity as the program forms it: a float ratio scaled in float arithmetic.
const float Scaled_Humidity = 0.49416206f * 100.0f;

const Mask_Case Mask_Cases[] = {
    // Trailing fraction zeros and the separator go; a "0" keeps one integer digit.
    {"###0.##", 25, "25"},
    {"###0.##", 25.5, "25.5"},
    {"###0.##", 0.5, "0.5"},
    {"###0.##", 0, "0"},
    {"###0.", 1234.5, "1235"},
    {"###0.", 0.4, "0"},
    // Integer digits beyond the "#" places are all written.
    {"###0.##", 1234567.891, "1234567.89"},
    {"##0.##", 123456.7, "123456.7"},
    {"###0.##", 999999999999999999.0L, "999999999999999999"},
    // Values held as float round from their widened value, not from the digits they were typed as.
    {"###0.##", 13.786829f, "13.79"},
    {"##0.##", 49.416206f, "49.42"},
    {"##0.##", Scaled_Humidity, "49.42"},
    {"###0.####", 0.0072621f, "0.0073"},
    {"###0.###", 38.544754f, "38.545"},
    {"##0.###", 0.82715255f, "0.827"},
    {"###0.##", 2.675f, "2.67"},  // held as 2.67499995...
    {"###0.##", 1.005, "1"},      // the double is 1.00499999999999989...
    // Exact halves go away from zero.
    {"###0.##", 0.125, "0.13"},
    {"###0.", 2.5, "3"},
    {"###0.", -2.5, "-3"},
    {"###0.", 0.5, "1"},
    {"###0.##", -0.005, "-0.01"},
    // The 18-digit expansion rounds first: just below 0.125 expands to 0.125000000000000000.
    {"###0.##", std::nextafter(0.125L, 0.0L), "0.13"},
    // A carry runs into the integer digits.
    {"###0.##", 999.996, "1000"},
    {"##0.###", 9.9996, "10"},
    // Negative values, and no sign when the rounded digits are all zero.
    {"###0.##", -12.344, "-12.34"},
    {"###0.##", -0.004, "0"},
    {"###0.", -0.4, "0"},
    {"###0.##", -0.0, "0"},
    // Other "0" places force digits.
    {"000.", 7, "007"},
    {"0.00", 2.5, "2.50"},
    {"0.0#", 2.125, "2.13"},
    {"0.0#", 2, "2.0"},
    {"###0", 12.5, "13"},
    // Values the mask cannot hold go to the general format.
    {"###0.##", std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    {"###0.##", std::numeric_limits<long double>::infinity(), "INF"},
    {"###0.##", -std::numeric_limits<long double>::infinity(), "-INF"},
    {"###0.##", 1e18L, "1E18"},
    {"###0.##", -2.5e20L, "-2.5E20"},
};

TEST(Mask_Format, Writes_Each_Case) {
    for (const auto& c : Mask_Cases) {
        EXPECT_EQ(numtext::format_mask(c.value, c.mask), c.expected)
            << "mask " << c.mask << ", value " << static_cast<double>(c.value);
    }
}

TEST(Mask_Format, Rounds_Halves_Unlike_Printf) {
    // printf rounds the exact binary half to even; the masks round it away from zero.
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.2f|%.0f", 0.125, 2.5);
    EXPECT_STREQ(buffer, "0.12|2");
    EXPECT_EQ(numtext::format_mask(0.125, "###0.##") + "|" + numtext::format_mask(2.5, "###0."), "0.13|3");
}

TEST(Mask_Format, Rejects_Other_Mask_Characters) {
    for (const char* mask : {"#,##0.00", "0..0", "###0.##E+0", "x"}) {
        EXPECT_THROW(numtext::format_mask(1, mask), std::logic_error) << mask;
    }
}

}  // namespace
