#include <functional>
#include <stdexcept>
#include <utility>

#include "tests/ui/fixture.h"

namespace {

class Focus_Test : public Window_Test {
protected:
    Focus_Test() {
        log_click(ok);
        form.show();
        log.clear();
    }
    ui::Edit& a = edit("A");
    ui::Edit& b = edit("B");
    ui::Button& ok = form.create<ui::Button>(nullptr, "Ok");
};

TEST_F(Focus_Test, ShowingFocusesTheFirstControlInTabOrder) { EXPECT_EQ(driver.focused_name(), "A"); }

TEST_F(Focus_Test, TheLeftControlsExitRunsBeforeTheNextControlsEnter) {
    driver.tab();
    EXPECT_EQ(log, (Log{"exit A", "enter B"}));
    EXPECT_EQ(driver.focused_name(), "B");
}

TEST_F(Focus_Test, AnExceptionInAnExitKeepsTheFocusAndIsShownInTheExceptionBox) {
    a.OnExit = [](ui::Control&) { throw std::runtime_error("'x' is not a valid floating point value"); };
    driver.click("Ok");
    EXPECT_EQ(driver.focused_name(), "A");
    EXPECT_TRUE(log.empty()) << "neither the button's enter nor its click may run";
    ASSERT_EQ(front_end.boxes.size(), 1u);
    EXPECT_EQ(front_end.boxes[0], (test_support::Recorded_Box{"'x' is not a valid floating point value.", "Testprog",
                                                              ui::Message_Icon::Stop}));
}

TEST_F(Focus_Test, AClickTakesTheFocusBeforeItClicks) {
    driver.click("Ok");
    EXPECT_EQ(log, (Log{"exit A", "click Ok"}));
    EXPECT_EQ(driver.focused_name(), "Ok");
}

TEST_F(Focus_Test, AnExitThatShowsAnErrorBoxStillLetsTheClickThrough) {
    a.OnExit = [this](ui::Control&) { app.error_box("Tdb is too high. Please reinput!!"); };
    driver.click("Ok");
    EXPECT_EQ(log, (Log{"click Ok"}));
    EXPECT_EQ(front_end.take_box_texts(), (Log{"Tdb is too high. Please reinput!!"}));
}

TEST_F(Focus_Test, DisabledAndHiddenControlsAreSkipped) {
    b.set_enabled(false);
    driver.tab();
    EXPECT_EQ(driver.focused_name(), "Ok");
    b.set_enabled(true);
    b.set_visible(false);
    driver.tab();
    EXPECT_EQ(driver.focused_name(), "A") << "Tab wraps round past the hidden field";
    EXPECT_THROW(b.set_focus(), std::runtime_error);
}

TEST_F(Focus_Test, DisablingTheFocusedControlRunsItsExitFirst) {
    bool enabled_during_exit = false;
    a.OnExit = [&](ui::Control& sender) { enabled_during_exit = sender.enabled(); };
    a.set_enabled(false);
    EXPECT_TRUE(enabled_during_exit);
    EXPECT_EQ(form.focused(), nullptr);
}

TEST_F(Focus_Test, AFocusRequestInsideAnExitWins) {
    a.OnExit = [this](ui::Control&) {
        log.push_back("exit A");
        ok.set_focus();
    };
    driver.tab();
    EXPECT_EQ(driver.focused_name(), "Ok");
    EXPECT_EQ(log, (Log{"exit A"})) << "B never gets the focus, so its enter does not run";
}

TEST_F(Focus_Test, TabOrderCanDifferFromCreationOrder) {
    ok.set_tab_order(0);
    EXPECT_EQ(form.next_tab_control(nullptr, true), &ok);
    EXPECT_EQ(form.next_tab_control(&ok, true), &a);
    EXPECT_EQ(form.next_tab_control(&a, false), &ok);
}

TEST_F(Focus_Test, KeyboardFocusSelectsTheTextAndTypingReplacesIt) {
    b.set_text("20");
    driver.enter_text("B", "3");
    EXPECT_EQ(b.text(), "3");
    driver.type("5\b\b7");
    EXPECT_EQ(b.text(), "7");
    driver.press_into("A");
    EXPECT_EQ(a.sel_length(), 0) << "a mouse press puts the caret, it selects nothing";
}

TEST_F(Focus_Test, AKeyFilterCanDropAKeyAndControlCharactersEditNothing) {
    a.OnKeyPress = [](ui::Control&, char& key) {
        if (key == 'x') key = 0;
    };
    driver.type("1x2");
    driver.key(22);  // Ctrl+V
    EXPECT_EQ(a.text(), "12");
}

TEST_F(Focus_Test, EnterAndEscapeGoToTheDefaultAndCancelButtonsBeforeTheKeyFilter) {
    auto& cancel = form.create<ui::Button>(nullptr, "Cancel");
    log_click(cancel);
    ok.set_default(true);
    cancel.set_cancel(true);
    Log keys;
    a.OnKeyPress = [&](ui::Control&, char& key) { keys.push_back(std::string(1, key)); };
    driver.enter();
    driver.escape();
    EXPECT_EQ(log, (Log{"click Ok", "click Cancel"}));
    EXPECT_TRUE(keys.empty());
    EXPECT_EQ(driver.focused_name(), "A") << "a default button's press moves no focus";
    ok.set_default(false);
    driver.enter();
    EXPECT_EQ(keys, (Log{"\r"})) << "without a default button Enter reaches the key filter";
}

TEST_F(Focus_Test, AFocusMoveRecordsTheInputThatMadeItForTheView) {
    // Enter walks to the next field through the program's own focus request.
    a.OnKeyPress = [this](ui::Control&, char& key) {
        if (key == '\r') b.set_focus();
    };
    struct Case {
        const char* action;
        std::function<void()> act;
        const char* focused;
        ui::Focus_Cause cause;
    };
    const Case cases[] = {
        {"Tab", [this] { driver.tab(); }, "B", ui::Focus_Cause::Keyboard},
        {"Shift+Tab", [this] { driver.press(ui::Key::Back_Tab); }, "A", ui::Focus_Cause::Keyboard_Backward},
        {"Enter", [this] { driver.enter(); }, "B", ui::Focus_Cause::Keyboard},
        {"click", [this] { driver.click("Ok"); }, "Ok", ui::Focus_Cause::Mouse},
        {"press", [this] { driver.press_into("A"); }, "A", ui::Focus_Cause::Mouse},
        {"program", [this] { b.set_focus(); }, "B", ui::Focus_Cause::Program},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_EQ(driver.focused_name(), c.focused) << c.action;
        EXPECT_EQ(form.focus_cause(), c.cause) << c.action;
    }
}

class Page_Test : public Window_Test {
protected:
    Page_Test() {
        pages.OnChange = [this](ui::Control&) {
            log.push_back("change to page " + std::to_string(pages.active_page_index()));
        };
        for (ui::Edit* e : {&first, &second}) {
            e->OnExit = [this](ui::Control& sender) {
                log.push_back("exit " + sender.name() + " on page " + std::to_string(pages.active_page_index()));
            };
            e->OnEnter = [this](ui::Control& sender) {
                log.push_back("enter " + sender.name() + " on page " + std::to_string(pages.active_page_index()));
            };
        }
        form.show();
        log.clear();
    }
    ui::Page_Control& pages = form.create<ui::Page_Control>(nullptr, "Pages");
    ui::Tab_Sheet& page0 = form.create<ui::Tab_Sheet>(&pages, "Page0");
    ui::Tab_Sheet& page1 = form.create<ui::Tab_Sheet>(&pages, "Page1");
    ui::Tab_Sheet& page2 = form.create<ui::Tab_Sheet>(&pages, "Page2");
    ui::Edit& first = form.create<ui::Edit>(&page0, "First");
    ui::Edit& second = form.create<ui::Edit>(&page1, "Second");
    ui::Edit& outside = form.create<ui::Edit>(nullptr, "Outside");
};

// A click on a tab gives the tabs the focus, as a desktop's page control does, once the focused
// control's exit has run on the old page; Left and Right then step through the pages.
TEST_F(Page_Test, AClickOnATabLeavesTheFocusedControlThenGivesTheTabsTheFocus) {
    outside.OnExit = [this](ui::Control&) { log.push_back("exit Outside"); };
    const struct {
        std::string focused;
        int clicked;
        Log log;
    } cases[] = {
        {"First", 1, {"exit First on page 0", "change to page 1"}},
        {"Outside", 1, {"exit Outside", "change to page 1"}},
        {"First", 0, {"exit First on page 0"}},
        {"Pages", 2, {"change to page 2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.focused + " then tab " + std::to_string(c.clicked));
        pages.set_active_page(&page0);
        driver.press_into(c.focused);
        log.clear();
        driver.select_page(c.clicked);
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(driver.focused_name(), "Pages");
        EXPECT_EQ(form.focus_cause(), ui::Focus_Cause::Mouse);
        driver.press(ui::Key::Right);
        EXPECT_EQ(pages.active_page_index(), (c.clicked + 1) % 3);
        driver.press(ui::Key::Left);
        EXPECT_EQ(pages.active_page_index(), c.clicked);
    }
}

// A page switched by the program takes the focus out of the page it hides, as hiding a control
// does, and gives the new page none: keys then reach no field that cannot be seen.
TEST_F(Page_Test, APageSwitchedByTheProgramLetsGoOfAFocusInTheOldPageOnly) {
    const struct {
        std::string focused;
        std::string focused_after;
        Log log;
    } cases[] = {
        {"First", "", {"exit First on page 0"}},
        {"Outside", "Outside", {}},
    };
    for (const auto& c : cases) {
        pages.set_active_page(&page0);
        driver.press_into(c.focused);
        log.clear();
        pages.set_active_page(&page1);
        EXPECT_EQ(driver.focused_name(), c.focused_after) << c.focused;
        EXPECT_EQ(log, c.log) << c.focused;
        EXPECT_EQ(pages.active_page(), &page1);
        driver.type("7");
        EXPECT_EQ(first.text(), "") << c.focused;
    }
}

// The click waits for the exit: one that raises or sends the focus elsewhere leaves the page and
// the focus as the exit left them.
TEST_F(Page_Test, AnExitThatRaisesOrMovesTheFocusStopsTheClick) {
    const struct {
        const char* name;
        ui::Notify_Event exit;
        std::string focused_after;
        Log boxes;
    } cases[] = {
        {"raises", [](ui::Control&) { throw std::runtime_error("bad"); }, "First", {"bad."}},
        {"moves the focus", [this](ui::Control&) { outside.set_focus(); }, "Outside", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        first.OnExit = nullptr;
        driver.press_into("First");
        first.OnExit = c.exit;
        log.clear();
        driver.select_page(1);
        EXPECT_EQ(pages.active_page_index(), 0);
        EXPECT_EQ(driver.focused_name(), c.focused_after);
        EXPECT_EQ(log, Log{}) << "no change";
        EXPECT_EQ(front_end.take_box_texts(), c.boxes);
    }
}

// A hidden form holds no focus a user could leave: a page switch, or a field disabled or hidden
// from code, lets go of the field it remembers without running its exit. The exit runs when the
// user leaves that field in the shown form.
TEST_F(Page_Test, AHiddenFormLetsGoOfItsFocusWithoutAnExit) {
    const struct {
        std::string change;
        std::function<void()> apply;
        std::function<void()> undo;
    } cases[] = {
        {"page switch", [this] { pages.set_active_page(&page1); }, [this] { pages.set_active_page(&page0); }},
        {"disabling", [this] { first.set_enabled(false); }, [this] { first.set_enabled(true); }},
        {"hiding", [this] { first.set_visible(false); }, [this] { first.set_visible(true); }},
    };
    for (const auto& c : cases) {
        driver.press_into("First");
        form.set_visible(false);
        log.clear();
        c.apply();
        EXPECT_EQ(form.focused(), nullptr) << c.change;
        EXPECT_EQ(log, Log{}) << c.change;
        c.undo();
        form.show();
        driver.press_into("First");
        log.clear();
        driver.press_into("Outside");
        EXPECT_EQ(log, (Log{"exit First on page 0"})) << c.change;
    }
}

TEST_F(Page_Test, CtrlWithTabOrPageKeysStepsThroughThePagesWrappingFromAnyControl) {
    driver.press_into("Outside");
    outside.OnKeyPress = [this](ui::Control&, char& key) { log.push_back("key " + std::to_string(key)); };
    log.clear();
    struct Case {
        ui::Key key;
        bool shift;
        int page;
    };
    const Case cases[] = {
        {ui::Key::Tab, false, 1},     {ui::Key::Page_Down, false, 2}, {ui::Key::Tab, false, 0},
        {ui::Key::Back_Tab, true, 2}, {ui::Key::Page_Up, false, 1},   {ui::Key::Page_Up, false, 0},
    };
    Log expected;
    for (const Case& c : cases) {
        driver.press_ctrl(c.key, c.shift);
        EXPECT_EQ(pages.active_page_index(), c.page);
        expected.push_back("change to page " + std::to_string(c.page));
    }
    EXPECT_EQ(log, expected) << "no key filter sees them, and the focus outside stays";
    EXPECT_EQ(driver.focused_name(), "Outside");
}

TEST_F(Page_Test, ACtrlTabFromAFieldOfThePageLeavesItOnTheOldPageThenEntersTheNewOne) {
    driver.press_into("First");
    log.clear();
    driver.press_ctrl(ui::Key::Tab);
    EXPECT_EQ(log, (Log{"exit First on page 0", "enter Second on page 1", "change to page 1"}));
    EXPECT_EQ(form.focus_cause(), ui::Focus_Cause::Keyboard);

    second.OnExit = [](ui::Control&) { throw std::runtime_error("bad"); };
    driver.press_ctrl(ui::Key::Page_Up);
    EXPECT_EQ(pages.active_page_index(), 1) << "an exception in the exit stops the switch";
    EXPECT_EQ(driver.focused_name(), "Second");
    EXPECT_EQ(front_end.take_box_texts(), (Log{"bad."}));
}

TEST_F(Page_Test, LeftAndRightStepThroughThePagesOnlyWhileThePageControlHasTheFocus) {
    driver.press_into("Pages");
    log.clear();
    for (const auto& [key, page] :
         {std::pair{ui::Key::Right, 1}, {ui::Key::Right, 2}, {ui::Key::Right, 0}, {ui::Key::Left, 2}}) {
        driver.press(key);
        EXPECT_EQ(pages.active_page_index(), page);
    }
    EXPECT_EQ(driver.focused_name(), "Pages");
    EXPECT_EQ(log, (Log{"change to page 1", "change to page 2", "change to page 0", "change to page 2"}));

    driver.press_into("Outside");
    driver.press(ui::Key::Right);
    driver.press(ui::Key::Left);
    EXPECT_EQ(pages.active_page_index(), 2) << "in a field they move the caret";
}

TEST_F(Page_Test, ControlsOfAnInactivePageTakeNoFocus) {
    EXPECT_FALSE(second.can_focus());
    pages.set_active_page(&page1);
    EXPECT_TRUE(second.can_focus());
    EXPECT_FALSE(first.can_focus());
}

}  // namespace
