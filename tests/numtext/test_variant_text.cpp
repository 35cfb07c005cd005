#include <gtest/gtest.h>

#include <string>

#include "numtext/variant_text.h"

namespace {

TEST(Variant_Text, TakesTheNumbersTheSheetsWriteAndNothingLooser) {
    struct Case {
        const char* text;
        bool accepted;
        double value;
    };
    const Case cases[] = {
        {"20", true, 20},     {"-0.0073", true, -0.0073},
        {" 2.5 ", true, 2.5}, {"+4", true, 4},
        {".5", true, 0.5},    {"5.", true, 5},
        {"1e3", true, 1000},  {"2.5E-1", true, 0.25},
        {"", false, 0},       {" ", false, 0},
        {".", false, 0},      {"-", false, 0},
        {"1e", false, 0},     {"1e+", false, 0},
        {"1-2", false, 0},    {"1.2.3", false, 0},
        {"--1", false, 0},    {"1e400", false, 0},
        {"1e5000", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "'");
        if (c.accepted) {
            EXPECT_EQ(numtext::variant_to_double(c.text), c.value);
        } else {
            EXPECT_THROW(numtext::variant_to_double(c.text), numtext::Variant_Error);
        }
    }
}

}  // namespace
