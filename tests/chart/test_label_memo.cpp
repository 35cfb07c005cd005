#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "chart/label_memo.h"

using chart::Label_Memo;

namespace {

// A text that shows its key's sign and value and its number, so a kept text of another key shows.
std::string Key_And_Number(float key, std::size_t number) {
    if (std::isnan(key)) throw std::domain_error("no text");
    std::string text(1, std::signbit(key) ? '-' : '+');
    text += std::to_string(std::fabs(key));
    text += "/";
    text += std::to_string(number);
    return text;
}

TEST(Label_Memo, EveryTextIsTheOneItsKeyAndNumberMake) {
    Label_Memo<3> memo(Key_And_Number);
    const struct {
        float key;
        std::size_t number;
    } lookups[] = {
        {1.5f, 0}, {1.5f, 2},  {1.5f, 0},  // kept
        {2.5f, 0}, {2.5f, 2},              // a new key makes every text anew
        {1.5f, 2},                         // and the old key's texts do not come back stale
        {0.0f, 1}, {-0.0f, 1}, {0.0f, 1},  // 0 and -0 are different keys
    };
    for (const auto& lookup : lookups)
        EXPECT_EQ(memo.text(lookup.key, lookup.number), Key_And_Number(lookup.key, lookup.number))
            << lookup.key << " #" << lookup.number;
}

TEST(Label_Memo, ATextWhoseMakingThrowsIsNotKept) {
    Label_Memo<1> memo(Key_And_Number);
    EXPECT_THROW(memo.text(NAN, 0), std::domain_error);
    EXPECT_THROW(memo.text(NAN, 0), std::domain_error) << "an empty text was kept for the key";
    EXPECT_EQ(memo.text(1.0f, 0), Key_And_Number(1.0f, 0));
}

}  // namespace
