#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/ui/fixture.h"
#include "ui/edit_menu.h"

namespace {

using ui::Edit_Command;
using ui::Key;

// A field's selection as [start, start + length), and where its caret stands.
struct Selection {
    int start;
    int length;
    int caret;
    friend bool operator==(const Selection&, const Selection&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Selection& s) {
        return out << "{" << s.start << ", " << s.length << ", caret " << s.caret << "}";
    }
};

Selection selection_of(const ui::Edit& edit) { return {edit.sel_start(), edit.sel_length(), edit.caret()}; }

// A field "Number" holding "20.125" behind a field that has the focus, with a key filter that
// lets only digits, '.', '-' and Backspace through, as the number fields' filters do.
class Edit_Selection_Test : public Window_Test {
protected:
    Edit_Selection_Test() {
        number.OnKeyPress = [](ui::Control&, char& key) {
            const bool number_key = (key >= '0' && key <= '9') || key == '.' || key == '-' || key == '\b';
            if (!number_key) key = 0;
        };
        form.show();
        number.set_text("20.125");
        log.clear();
    }

    // A press into the field at from and a drag to to.
    void drag(int from, int to) {
        driver.press_at("Number", from);
        driver.drag_to("Number", to);
    }
    void choose(Edit_Command command) { driver.choose_edit_command("Number", command); }
    std::vector<ui::Edit_Menu_Entry> menu() const { return ui::edit_menu(number, front_end); }

    ui::Edit& other = edit("Other");
    ui::Edit& number = edit("Number");
};

TEST_F(Edit_Selection_Test, TheMouseSelectsByDragDoubleClickAndShiftPress) {
    struct Case {
        const char* action;
        std::function<void()> act;
        Selection expected;
    };
    const Case cases[] = {
        {"a press puts the caret", [&] { driver.press_at("Number", 3); }, {3, 0, 3}},
        {"a drag selects from the press to the mouse", [&] { drag(1, 4); }, {1, 3, 4}},
        {"a drag leftwards leaves the caret on the left", [&] { drag(5, 2); }, {2, 3, 2}},
        {"a drag beyond the text stops at its end", [&] { drag(2, 99); }, {2, 4, 6}},
        {"a drag back onto the press selects nothing",
         [&] {
             drag(2, 5);
             driver.drag_to("Number", 2);
         },
         {2, 0, 2}},
        {"a double-click selects the whole number", [&] { driver.double_click("Number", 3); }, {0, 6, 6}},
        {"a press with Shift stretches from the caret",
         [&] {
             driver.press_at("Number", 1);
             driver.press_at("Number", 4, true);
         },
         {1, 3, 4}},
        {"a drag in a field without the focus selects nothing", [&] { driver.drag_to("Number", 4); }, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        driver.press_into("Other");
        number.set_text("20.125");
        c.act();
        EXPECT_EQ(selection_of(number), c.expected);
    }
    EXPECT_EQ(number.text(), "20.125");
}

TEST_F(Edit_Selection_Test, ADoubleClickSelectsTheRunOfCharactersBetweenSpaces) {
    struct Case {
        const char* text;
        int position;
        const char* selected;
    };
    const Case cases[] = {
        {"-12.5", 0, "-12.5"}, {"-12.5", 5, "-12.5"}, {"1.2E-5", 3, "1.2E-5"},
        {"12  kPa", 5, "kPa"}, {"12  kPa", 2, "  "},  {"", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " at " + std::to_string(c.position));
        number.set_text(c.text);
        driver.double_click("Number", c.position);
        EXPECT_EQ(number.selected_text(), c.selected);
    }
}

TEST_F(Edit_Selection_Test, ShiftWithLeftRightHomeOrEndMovesTheSelectionsCaretEnd) {
    struct Step {
        Key key;
        bool shift;
    };
    struct Case {
        const char* keys;
        std::vector<Step> steps;
        Selection expected;
    };
    // Each case starts with the caret after "20".
    const Case cases[] = {
        {"Shift+Right", {{Key::Right, true}}, {2, 1, 3}},
        {"Shift+Left", {{Key::Left, true}}, {1, 1, 1}},
        {"Shift+End", {{Key::End, true}}, {2, 4, 6}},
        {"Shift+Home", {{Key::Home, true}}, {0, 2, 0}},
        {"Shift+Right twice, Shift+Left", {{Key::Right, true}, {Key::Right, true}, {Key::Left, true}}, {2, 1, 3}},
        {"Shift+Right, Shift+Left twice", {{Key::Right, true}, {Key::Left, true}, {Key::Left, true}}, {1, 1, 1}},
        {"Shift+Home, Shift+End", {{Key::Home, true}, {Key::End, true}}, {2, 4, 6}},
        {"Shift+End, Left", {{Key::End, true}, {Key::Left, false}}, {2, 0, 2}},
        {"Shift+Home, Right", {{Key::Home, true}, {Key::Right, false}}, {2, 0, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        driver.press_at("Number", 2);
        for (const Step& step : c.steps) {
            ui::Shift_State held;
            held.shift = step.shift;
            driver.press(step.key, held);
        }
        EXPECT_EQ(selection_of(number), c.expected);
    }
    EXPECT_EQ(number.text(), "20.125");
}

TEST_F(Edit_Selection_Test, AKeyTheFilterLetsThroughReplacesTheSelectionAndBackspaceOrDeleteRemovesIt) {
    struct Case {
        const char* typed;  // after selecting "0.1" of "20.125" with the mouse
        std::string text;
        Selection expected;
    };
    const Case cases[] = {
        {"7", "2725", {2, 0, 2}},
        {"x", "20.125", {1, 3, 4}},  // the filter drops the key: the selection stays
        {"\b", "225", {1, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        number.set_text("20.125");
        drag(1, 4);
        driver.type(c.typed);
        EXPECT_EQ(number.text(), c.text);
        EXPECT_EQ(selection_of(number), c.expected);
    }
    number.set_text("20.125");
    drag(4, 1);
    driver.press(Key::Delete);
    EXPECT_EQ(number.text(), "225");

    // A click into "20" and typing "25" makes "2025"; a drag over "20" first makes "25".
    number.set_text("20");
    drag(0, 2);
    driver.type("25");
    EXPECT_EQ(number.text(), "25");
}

TEST_F(Edit_Selection_Test, TheContextMenuEnablesWhatAppliesAndAReadOnlyFieldOffersCopyAndSelectAllOnly) {
    using Menu = std::vector<ui::Edit_Menu_Entry>;
    struct Case {
        const char* situation;
        std::function<void()> act;
        std::string clipboard;
        Menu expected;
    };
    const Case cases[] = {
        {"a caret, an empty clipboard",
         [&] { driver.press_at("Number", 2); },
         "",
         {{Edit_Command::Undo, false},
          {Edit_Command::Cut, false},
          {Edit_Command::Copy, false},
          {Edit_Command::Paste, false},
          {Edit_Command::Delete, false},
          {Edit_Command::Select_All, true}}},
        {"part selected, a text on the clipboard",
         [&] { drag(1, 4); },
         "5",
         {{Edit_Command::Undo, false},
          {Edit_Command::Cut, true},
          {Edit_Command::Copy, true},
          {Edit_Command::Paste, true},
          {Edit_Command::Delete, true},
          {Edit_Command::Select_All, true}}},
        {"typed into, then all selected",
         [&] {
             driver.press_at("Number", 6);
             driver.type("7");
             driver.double_click("Number", 0);
         },
         "",
         {{Edit_Command::Undo, true},
          {Edit_Command::Cut, true},
          {Edit_Command::Copy, true},
          {Edit_Command::Paste, false},
          {Edit_Command::Delete, true},
          {Edit_Command::Select_All, false}}},
        {"read-only, part selected",
         [&] {
             number.set_read_only(true);
             drag(1, 4);
         },
         "5",
         {{Edit_Command::Copy, true}, {Edit_Command::Select_All, true}}},
        {"read-only, empty",
         [&] {
             number.set_read_only(true);
             number.set_text("");
         },
         "5",
         {{Edit_Command::Copy, false}, {Edit_Command::Select_All, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        number.set_read_only(false);
        number.set_text("20.125");
        front_end.set_clipboard_text(c.clipboard);
        c.act();
        EXPECT_EQ(menu(), c.expected);
    }
}

TEST_F(Edit_Selection_Test, CutCopyPasteDeleteAndSelectAllWorkThroughTheClipboard) {
    drag(1, 4);
    choose(Edit_Command::Copy);
    EXPECT_EQ(front_end.clipboard_text(), "0.1");
    EXPECT_EQ(number.text(), "20.125");
    choose(Edit_Command::Cut);
    EXPECT_EQ(number.text(), "225");
    EXPECT_EQ(selection_of(number), (Selection{1, 0, 1}));
    driver.press_at("Number", 3);
    choose(Edit_Command::Paste);
    EXPECT_EQ(number.text(), "2250.1");
    EXPECT_EQ(selection_of(number), (Selection{6, 0, 6}));
    choose(Edit_Command::Select_All);
    EXPECT_EQ(selection_of(number), (Selection{0, 6, 6}));
    choose(Edit_Command::Delete);
    EXPECT_EQ(number.text(), "");
    // A single-line field takes the clipboard's first line; the key filter sees no pasted text.
    front_end.set_clipboard_text("abc\r\n34");
    choose(Edit_Command::Paste);
    EXPECT_EQ(number.text(), "abc");
    EXPECT_EQ(log, (Log{"exit Other", "enter Number"}));
}

TEST_F(Edit_Selection_Test, UndoTakesBackTheLatestEditAndASecondUndoPutsItBack) {
    driver.press_at("Number", 6);
    driver.type("34");
    driver.press_at("Number", 0);
    driver.type("1");
    EXPECT_EQ(number.text(), "120.12534");
    choose(Edit_Command::Undo);
    EXPECT_EQ(number.text(), "20.12534") << "the characters typed after the caret moved are one step";
    choose(Edit_Command::Undo);
    EXPECT_EQ(number.text(), "120.12534");
    drag(0, 3);
    choose(Edit_Command::Cut);
    choose(Edit_Command::Undo);
    EXPECT_EQ(number.text(), "120.12534");
    // A text the program writes cannot be undone.
    number.set_text("5");
    EXPECT_FALSE(number.can_undo());
    choose(Edit_Command::Undo);
    EXPECT_EQ(number.text(), "5");
}

TEST_F(Edit_Selection_Test, AReadOnlyFieldSelectsAndCopiesButNoKeyOrCommandEditsIt) {
    number.set_read_only(true);
    drag(1, 4);
    driver.type("7\b");
    driver.press(Key::Delete);
    front_end.set_clipboard_text("9");
    for (const Edit_Command command : {Edit_Command::Cut, Edit_Command::Paste, Edit_Command::Delete}) choose(command);
    EXPECT_EQ(number.text(), "20.125");
    EXPECT_EQ(selection_of(number), (Selection{1, 3, 4}));
    EXPECT_EQ(front_end.clipboard_text(), "9");
    choose(Edit_Command::Copy);
    EXPECT_EQ(front_end.clipboard_text(), "0.1");
}

}  // namespace
