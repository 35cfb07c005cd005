#include "numtext/format_string.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>

namespace {

using numtext::format_string;

TEST(Format_String, Fixed_Directives) {
    struct Case {
        const char* format;
        long double value;
        const char* expected;
    };
    const Case cases[] = {
        {"%2.2f", 5, "5.00"},
        {"%1.4f", 0.0155, "0.0155"},
        {"%1.3f", 38.544754f, "38.545"},
        {"%3.2f", 49.416206f, "49.42"},
        {"%1.2f", 0.125, "0.13"},
        {"%1.0f", 2.5, "3"},
        {"%1.2f", -0.005, "-0.01"},
        {"%1.2f", -1234567.891, "-1234567.89"},
        // No sign when the rounded digits are all zero.
        {"%3.2f", -0.001, "0.00"},
        // Blanks on the left up to the width.
        {"%6.2f", 3.14159, "  3.14"},
        {"%8.3f", -2.5, "  -2.500"},
        {"%1.2f", std::numeric_limits<long double>::quiet_NaN(), "NAN"},
        {"%5.2f", std::numeric_limits<long double>::infinity(), "  INF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(format_string(c.format, {c.value}), c.expected) << c.format << " of " << static_cast<double>(c.value);
    }
}

TEST(Format_String, Integer_Directives) {
    struct Case {
        const char* format;
        std::int32_t value;
        const char* expected;
    };
    const Case cases[] = {
        {"%1d", 0, "0"},
        {"%1d", -42, "-42"},
        {"%d", 2147483647, "2147483647"},
        {"%5d", 42, "   42"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(format_string(c.format, {c.value}), c.expected) << c.format << " of " << c.value;
    }
}

TEST(Format_String, Copies_Text_And_Takes_Arguments_In_Order) {
    EXPECT_EQ(format_string("Crosshair: Tdb:%2.2f ,RH:%3.2f%", {20.0f, 50.0f}), "Crosshair: Tdb:20.00 ,RH:50.00");
    EXPECT_EQ(format_string("Crosshair: Tdb:%2.2f ,RH:%3.2f", {20.0f, 50.0f}), "Crosshair: Tdb:20.00 ,RH:50.00");
    EXPECT_EQ(format_string("%1d rows of %1.1f%%", {3, 0.25}), "3 rows of 0.3%");
    EXPECT_EQ(format_string("no directives", {}), "no directives");
    EXPECT_EQ(format_string("%%", {}), "%");
}

TEST(Format_String, Rejects_Programming_Errors) {
    EXPECT_THROW(format_string("%1.2f", {7}), std::logic_error);
    EXPECT_THROW(format_string("%1d", {7.0}), std::logic_error);
    EXPECT_THROW(format_string("%1.2f and %1.2f", {1.0}), std::logic_error);
    for (const char* format : {"%s", "%5", "%1.f", "%f", "%1.2d", "%-5d", "%99999999999d"}) {
        EXPECT_THROW(format_string(format, {1}), std::logic_error) << format;
    }
}

}  // namespace
