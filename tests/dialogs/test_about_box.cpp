#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "dialogs/about.h"
#include "tests/support/driver.h"
#include "tests/support/headless_front_end.h"
#include "ui/application.h"

using dialogs::TAboutBox;

namespace {

using Texts = std::vector<std::string>;

class About_Box_Test : public ::testing::Test {
protected:
    About_Box_Test() { application.set_front_end(front_end); }

    Texts memo_lines() const {
        Texts lines;
        std::istringstream memo(box.Memo1->caption());
        for (std::string line; std::getline(memo, line);) lines.push_back(line);
        return lines;
    }

    test_support::Headless_Front_End front_end;
    ui::Application application{"Hygrodex.exe"};
    TAboutBox& box = application.create_form<TAboutBox>();
};

TEST_F(About_Box_Test, LayoutHoldsEverythingInThePanel) {
    EXPECT_EQ(box.caption(), "About");
    EXPECT_EQ(box.client_width(), 329);
    EXPECT_EQ(box.client_height(), 240);
    EXPECT_EQ(box.font().height, 11);
    const struct {
        const char* name;
        ui::Rect bounds;
        const char* caption;
    } cases[] = {
        {"ProgramIcon", {8, 8, 100, 97}, ""},          {"ProductName", {164, 24, 0, 0}, "Hygrodex"},
        {"Version", {176, 56, 0, 0}, "Version : 1.2"}, {"Label1", {16, 112, 0, 0}, "Authors:"},
        {"Memo1", {58, 112, 249, 105}, nullptr},       {"OKButton", {248, 184, 58, 25}, "OK"},
    };
    EXPECT_EQ(box.Panel1->bounds(), (ui::Rect{8, 8, 313, 225}));
    EXPECT_EQ(box.children(), (std::vector<ui::Control*>{box.Panel1}));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ui::Control* control = box.find(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parent(), box.Panel1);
        EXPECT_EQ(control->bounds().left, c.bounds.left);
        EXPECT_EQ(control->bounds().top, c.bounds.top);
        if (c.bounds.width != 0) {
            EXPECT_EQ(control->bounds(), c.bounds);
        }
        if (c.caption) {
            EXPECT_EQ(control->caption(), c.caption);
        }
    }
    EXPECT_TRUE(box.ProductName->font().bold);
    EXPECT_EQ(box.ProductName->font().height, 19);
    EXPECT_EQ(box.Memo1->font().name, "Arial");
    EXPECT_TRUE(box.OKButton->is_default());
    EXPECT_EQ(box.OKButton->modal_result(), ui::Mr_Ok);
    EXPECT_FALSE(box.ProgramIcon->canvas().ops().empty()) << "the picture is drawn once, at creation";
}

TEST_F(About_Box_Test, EnterClosesItAtOnceAndEveryShowingHasTheSameSevenLines) {
    const Texts lines = memo_lines();
    ASSERT_EQ(lines.size(), 7u);
    for (const std::string& line : lines) EXPECT_FALSE(line.empty());
    for (int showing = 0; showing < 2; ++showing) {
        front_end.answer_next_modal([](ui::Form& form) {
            test_support::Driver driver(form);
            EXPECT_EQ(driver.focused_name(), "OKButton") << "the memo takes no focus";
            driver.enter();
        });
        EXPECT_EQ(box.show_modal(), ui::Mr_Ok);
        EXPECT_EQ(memo_lines(), lines);
    }
}

}  // namespace
