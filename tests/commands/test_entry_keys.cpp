#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/key_filter.h"
#include "tests/support/driver.h"
#include "tests/support/headless_front_end.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/edit.h"
#include "ui/static_controls.h"

namespace {

using Names = std::vector<std::string>;

constexpr const char* Request = "Numbers only";

// Four fields and a button, filtered by the shared filter with two walks: the fields a, b, c
// round to a, and d on to the button.
class Entry_Keys : public ::testing::Test {
protected:
    Entry_Keys() {
        app.set_front_end(front_end);
        form.set_bounds({0, 0, 400, 300});
        for (ui::Edit* field : {&a, &b, &c, &d})
            field->OnKeyPress = [this](ui::Control&, char& key) {
                commands::Filter_Entry_Key(key, message, Request, walk, form);
            };
        walk.add_order({&a, &b, &c, &a});
        walk.add_order({&d, &ok});
        form.show();
    }

    test_support::Headless_Front_End front_end;
    ui::Application app{"Testprog"};
    ui::Form& form = app.create_form<ui::Form>("Form1");
    ui::Label& message = form.create<ui::Label>(nullptr, "Message");
    ui::Edit& a = form.create<ui::Edit>(nullptr, "a");
    ui::Edit& b = form.create<ui::Edit>(nullptr, "b");
    ui::Edit& c = form.create<ui::Edit>(nullptr, "c");
    ui::Edit& d = form.create<ui::Edit>(nullptr, "d");
    ui::Button& ok = form.create<ui::Button>(nullptr, "ok");
    ui::Edit& unwalked = form.create<ui::Edit>(nullptr, "unwalked");
    ui::Enter_Walk walk;
    test_support::Driver driver{form};
};

TEST_F(Entry_Keys, EnterFollowsTheOrdersRoundOrToTheirEnd) {
    const struct {
        const char* what;
        const char* from;
        Names focused_after_each_enter;
    } walks[] = {
        {"a round order comes back to its first field", "a", {"b", "c", "a", "b"}},
        {"an order that ends elsewhere leaves the focus on its last stop", "d", {"ok"}},
    };
    for (const auto& w : walks) {
        SCOPED_TRACE(w.what);
        driver.press_into(w.from);
        Names focused;
        for (std::size_t i = 0; i < w.focused_after_each_enter.size(); ++i) {
            driver.enter();
            focused.push_back(driver.focused_name());
        }
        EXPECT_EQ(focused, w.focused_after_each_enter);
    }
}

TEST_F(Entry_Keys, AFieldInNoOrderOrLastInItsOrderKeepsTheFocus) {
    unwalked.OnKeyPress = a.OnKeyPress;
    driver.press_into("unwalked");
    driver.enter();
    EXPECT_EQ(driver.focused_name(), "unwalked");
}

TEST_F(Entry_Keys, AStopThatCannotTakeTheFocusIsPassedOver) {
    b.set_visible(false);
    c.set_enabled(false);
    driver.press_into("a");
    driver.enter();
    EXPECT_EQ(driver.focused_name(), "a") << "a went round past b and c to itself";
    b.set_visible(true);
    driver.enter();
    EXPECT_EQ(driver.focused_name(), "b");
    driver.enter();
    EXPECT_EQ(driver.focused_name(), "a") << "c, disabled, is passed over on the way round";
}

TEST_F(Entry_Keys, KeysOutsideANumberAreDroppedWithTheRequestAndNumberKeysPassSilently) {
    driver.press_into("a");
    driver.type("-1.5x");
    EXPECT_EQ(a.text(), "-1.5");
    EXPECT_EQ(message.caption(), Request);
    message.set_caption("");
    driver.type("2\b7");
    EXPECT_EQ(a.text(), "-1.57");
    EXPECT_EQ(message.caption(), "");
    driver.enter();
    EXPECT_EQ(a.text(), "-1.57") << "Enter inserts nothing";
    EXPECT_EQ(message.caption(), "");
}

}  // namespace
