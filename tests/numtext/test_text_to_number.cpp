#include "numtext/text_to_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "engine/float_env.h"

namespace {

using numtext::Convert_Error;

template <typename Convert>
std::string conversion_message(Convert convert, const std::string& text) {
    try {
        convert(text);
    } catch (const Convert_Error& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(Text_To_Float, Accepts_The_Number_Grammar) {
    struct Case {
        const char* text;
        long double expected;
    };
    const Case cases[] = {
        {"  12.5  ", 12.5},
        {"1e2", 100},
        {".", 0},
        {"1e", 1},
        {"1e+", 1},
        {"5.", 5},
        {"+.5", 0.5},
        {"-3", -3},
        {"1E-2", 0.01L},
        {"-.e5", -0.0},
        {"007", 7},
        // Extended precision, not the double nearest to the text.
        {"0.1", 0.1L},
        {"123456789012345678901234567890", 123456789012345678901234567890.0L},
        {"13.786829", 13.786829L},
        // Too small for extended precision is a value: zero.
        {"1e-5000", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(numtext::text_to_float(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_NE(numtext::text_to_float("0.1"), static_cast<long double>(0.1));
}

TEST(Text_To_Float, Refuses_Other_Texts) {
    for (const char* text : {"",    " ",  "-",    "+",    "1,5", "1.5.2", "abc", "1x",  "1 5",    "\t1",
                             "1\t", "e5", "1e5e", "1e 5", "--1", "0x10",  "inf", "nan", "1e5000", "-1e5000"}) {
        EXPECT_THROW(numtext::text_to_float(text), Convert_Error) << '"' << text << '"';
    }
}

TEST(Text_To_Float, Message_Quotes_The_Text) {
    EXPECT_EQ(conversion_message(numtext::text_to_float, ""), "'' is not a valid floating point value");
    EXPECT_EQ(conversion_message(numtext::text_to_float, " 1,5"), "' 1,5' is not a valid floating point value");
}

TEST(Text_To_Single, Rounds_To_Float_And_Reports_Overflow) {
    EXPECT_EQ(numtext::text_to_single("13.786829"), 13.786829f);
    EXPECT_EQ(numtext::text_to_single("-0.1"), -0.1f);
    for (const char* text : {"1e39", "-1e39"}) {
        try {
            numtext::text_to_single(text);
            ADD_FAILURE() << text << " converted";
        } catch (const engine::Float_Error& error) {
            EXPECT_STREQ(error.what(), "Floating point overflow");
        }
    }
    EXPECT_THROW(numtext::text_to_single("1,5"), Convert_Error);
}

TEST(Text_To_Int, Accepts_Decimal_And_Hexadecimal) {
    struct Case {
        const char* text;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"0", 0},
        {" -5", -5},
        {"+7", 7},
        {"007", 7},
        {"$1F", 31},
        {"$1f", 31},
        {"0x10", 16},
        {"0X10", 16},
        {"x1f", 31},
        {"-$10", -16},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"$7FFFFFFF", std::numeric_limits<std::int32_t>::max()},
        {"-0x80000000", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& c : cases) EXPECT_EQ(numtext::text_to_int(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Text_To_Int, Refuses_Other_Texts) {
    for (const char* text : {"", " ", "-", "2147483648", "-2147483649", "$80000000", "99999999999999999999", "20.5",
                             "5 ", "- 5", "1e2", "0x", "$", "$G", "12a", "0x-1", "\t5"}) {
        EXPECT_THROW(numtext::text_to_int(text), Convert_Error) << '"' << text << '"';
    }
    EXPECT_EQ(conversion_message(numtext::text_to_int, ""), "'' is not a valid integer value");
    EXPECT_EQ(conversion_message(numtext::text_to_int, "20.5"), "'20.5' is not a valid integer value");
}

}  // namespace
