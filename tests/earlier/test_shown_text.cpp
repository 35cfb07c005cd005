#include <gtest/gtest.h>

#include <string>

#include "earlier/shown_text.h"
#include "numtext/general_format.h"

namespace {

struct Cut_Case {
    double value;
    std::size_t limit;
    const char* shown;
};

std::string cut_of(double value, std::size_t limit) {
    return moistrel::Cut_Text(numtext::format_general(static_cast<long double>(value)), limit);
}

TEST(Shown_Text, FixedTextsKeepTheirFirstCharactersAndAreCutNotRounded) {
    const Cut_Case cases[] = {
        {33.2999992370605, 6, "33.299"},
        {-12.345, 6, "-12.34"},
        {25.5, 6, "25.5"},
        {25, 6, "25"},
        {0.5, 6, "0.5"},
        {0.0001, 6, "0.0001"},
        {0.00100000004749745, 6, "0.0010"},
        {2452.59765625, 7, "2452.59"},
        {12345.6, 6, "12345."},
        {123456.7, 6, "123456"},
    };
    for (const Cut_Case& c : cases) EXPECT_EQ(cut_of(c.value, c.limit), c.shown) << c.value;
}

// The first six characters of "1.43565996...E-7" would read 1.4356 and, converted back by the next
// exit, store a value ten million times too large.
TEST(Shown_Text, ETextsKeepTheirExponentAndCutTheMantissa) {
    const Cut_Case cases[] = {
        {1.43566e-7, 6, "1.4E-7"},  {2.3388e-5, 6, "2.3E-5"}, {9.99999975e-5, 6, "9.9E-5"}, {-2e-5, 6, "-2E-5"},
        {-2.5e-5, 6, "-2E-5"},      {1e-5, 6, "1E-5"},        {1.5e-10, 6, "1E-10"},        {-1.5e-10, 6, "-1E-10"},
        {1.23456e-7, 7, "1.23E-7"}, {2.5e20, 6, "2.5E20"},
    };
    for (const Cut_Case& c : cases) EXPECT_EQ(cut_of(c.value, c.limit), c.shown) << c.value;
}

TEST(Shown_Text, ALongIntegerPartIsShownWhole) {
    const Cut_Case cases[] = {
        {1234567.5, 6, "1234567"},
        {-123456.5, 6, "-123456"},
        {-12345.5, 6, "-12345"},
        {12345678, 7, "12345678"},
    };
    for (const Cut_Case& c : cases) EXPECT_EQ(cut_of(c.value, c.limit), c.shown) << c.value;
}

TEST(Shown_Text, StoredFloatsAreWidenedExactly) {
    EXPECT_EQ(moistrel::Shown_Text(33.3f, 6), "33.299");
    EXPECT_EQ(moistrel::Shown_Text(0.001f, 6), "0.0010");
    EXPECT_EQ(moistrel::Shown_Text(2.3e-5f, 6), "2.3E-5");
    EXPECT_EQ(moistrel::Shown_Text(0, 6), "0");
}

}  // namespace
