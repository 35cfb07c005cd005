#include <algorithm>
#include <string>
#include <vector>

#include "tests/main/main_window_test.h"

using hygrodex::Row;

namespace {

constexpr const char* Drop_Message = "Please input a value.";

class Key_Filters : public Main_Window_Test {
protected:
    Key_Filters() { form.show(); }

    void show_sheet(const std::string& sheet) {
        driver.get<ui::Page_Control>("PageControl1").set_active_page(&driver.get<ui::Tab_Sheet>(sheet));
    }

    // As the Process column switch leaves the sheet when State 2 is the active column.
    void make_state2_active() {
        driver.get<ui::Speed_Button>("SBtn_two2").set_down(true);
        for (ui::Edit* edit : Col_two1.edits) edit->set_enabled(false);
        for (ui::Edit* edit : Col_two2.edits) edit->set_enabled(true);
    }

    int position_on_sheet(const std::string& name) const {
        const auto& children = driver.get<ui::Control>(name).parent()->children();
        return static_cast<int>(std::find(children.begin(), children.end(), form.find(name)) - children.begin());
    }
};

struct Enter_Walk_Case {
    const char* walk;
    const char* sheet;
    bool state2_active;
    Names fields;   // the walk starts on the first; each Enter moves to the next
    int wrap_back;  // the last step goes back this many places in the child list; 0: no wrap
};

TEST_F(Key_Filters, EnterWalksEachSheetsChildListWithItsWraps) {
    const Enter_Walk_Case walks[] = {
        {"State, Hfg and Pws included", "Sheet_state", false, joined({column_names("", ""), {"Edit_tdb"}}), 11},
        {"Process State 1", "Sheet_two", false, joined({column_names("2", "1"), {"Edit_2tdb1"}}), 11},
        {"Process State 2", "Sheet_two", true, joined({column_names("2", "2"), {"Btn_2cal"}}), 0},
        {"Pad Outdoor", "Sheet_pad", false,
         joined({column_names("p", "1"), {"Edit_ptdb2", "Edit_peff", "Btn_efficiency"}}), 0},
        {"Pad AfterPad outputs", "Sheet_pad", false, joined({column_names("p", "2", 1), {"Edit_ptdb1"}}), 24},
        {"VPD Air", "Sheet_vpd", false, joined({column_names("v", "1"), {"Edit_vtdb2", "Btn_vpd"}}), 0},
        {"VPD Leaf outputs", "Sheet_vpd", false, joined({column_names("v", "2", 1), {"Edit_vtdbd"}}), 0},
    };
    for (const Enter_Walk_Case& walk : walks) {
        SCOPED_TRACE(walk.walk);
        show_sheet(walk.sheet);
        if (walk.state2_active) make_state2_active();
        driver.press_into(walk.fields.front());
        ASSERT_EQ(driver.focused_name(), walk.fields.front());
        for (std::size_t step = 1; step < walk.fields.size(); ++step) {
            driver.enter();
            const std::string& from = walk.fields[step - 1];
            const std::string& to = walk.fields[step];
            ASSERT_EQ(driver.focused_name(), to) << "Enter in " << from;
            const int back = step + 1 == walk.fields.size() ? walk.wrap_back : 0;
            EXPECT_EQ(position_on_sheet(to), position_on_sheet(from) + 1 - back) << from << " to " << to;
        }
    }
}

TEST_F(Key_Filters, TheVpdLeafWalkEndsOnTleafTairWhichTakesNoFilter) {
    show_sheet("Sheet_vpd");
    driver.press_into("Edit_vpw2");
    driver.enter();
    ASSERT_EQ(driver.focused_name(), "Edit_vtdbd");
    driver.enter();
    EXPECT_EQ(driver.focused_name(), "Edit_vtdbd");
}

TEST_F(Key_Filters, EnterLeavesTheFieldThroughItsExitBeforeTheNextFieldsHint) {
    Names events;
    Col_state[Row::Tdb].OnExit = [&](ui::Control&) { events.push_back("exit Edit_tdb"); };
    const ui::Notify_Event hint = Col_state[Row::RH].OnEnter;
    Col_state[Row::RH].OnEnter = [&](ui::Control& sender) {
        events.push_back("enter Edit_rh");
        hint(sender);
    };
    driver.press_into("Edit_tdb");
    driver.enter();
    EXPECT_EQ(events, (Names{"exit Edit_tdb", "enter Edit_rh"}));
    EXPECT_EQ(text("Message1"), "Relative Humidity");
    EXPECT_EQ(text("Edit_tdb"), "20") << "the Enter character inserts nothing";
}

// Every edit of the four sheets, with the State 2 column enabled so that it can be reached.
std::vector<ui::Edit*> sheet_edits(const test_support::Driver& driver) {
    std::vector<ui::Edit*> edits;
    for (const char* sheet : {"Sheet_state", "Sheet_two", "Sheet_pad", "Sheet_vpd"})
        for (ui::Control* control : driver.get<ui::Tab_Sheet>(sheet).children())
            if (auto* edit = dynamic_cast<ui::Edit*>(control)) edits.push_back(edit);
    return edits;
}

TEST_F(Key_Filters, ALetterIsDroppedWithTheMessageInEveryFilteredEditReadOnlyOnesIncluded) {
    const Names unfiltered = joined({column_names("2", "d"), {"Edit_vvpd", "Edit_vtdbd"}});
    for (ui::Edit* edit : Col_two2.edits) edit->set_enabled(true);
    int filtered = 0;
    for (ui::Edit* edit : sheet_edits(driver)) {
        const std::string& name = edit->name();
        driver.get<ui::Page_Control>("PageControl1").set_active_page(static_cast<ui::Tab_Sheet*>(edit->parent()));
        driver.press_into(name);
        ASSERT_EQ(driver.focused_name(), name);
        const std::string before = edit->text();
        driver.get<ui::Label>("Message3").set_caption("");
        driver.key('x');
        EXPECT_EQ(edit->text(), before) << name;
        const bool has_filter = std::find(unfiltered.begin(), unfiltered.end(), name) == unfiltered.end();
        EXPECT_EQ(text("Message3"), has_filter ? Drop_Message : "") << name;
        filtered += has_filter;
    }
    EXPECT_EQ(filtered, 11 + 22 + 23 + 22);
}

TEST_F(Key_Filters, EveryKeyOutsideANumberIsDroppedControlCharactersAndPasteIncluded) {
    const struct {
        const char* what;
        char key;
    } dropped[] = {
        {"letter", 'a'},
        {"capital", 'E'},
        {"blank", ' '},
        {"comma", ','},
        {"plus", '+'},
        {"Ctrl+V", 22},
        {"Ctrl+C", 3},
        {"Ctrl+X", 24},
        {"Escape", 27},
        {"degree sign", '\xB0'},
        {"top of the code page", '\xFF'},
    };
    driver.enter_text("Edit_rh", "");
    for (const auto& key : dropped) {
        SCOPED_TRACE(key.what);
        Col_state[Row::RH].set_selection(1, 0);
        driver.get<ui::Label>("Message3").set_caption("");
        driver.key(key.key);
        EXPECT_EQ(text("Edit_rh"), "50");
        EXPECT_EQ(text("Message3"), Drop_Message);
    }
}

TEST_F(Key_Filters, NumberCharactersPassInAnyOrderAndReadOnlyEditsIgnoreThem) {
    const struct {
        const char* sheet;
        const char* edit;
        const char* typed;
        const char* shown;
        bool message;
    } cases[] = {
        {"Sheet_state", "Edit_tdb", "0123456789", "0123456789", false},
        {"Sheet_state", "Edit_rh", "-1.5", "-1.5", false},
        {"Sheet_two", "Edit_2tdb1", "1-2", "1-2", false},
        {"Sheet_pad", "Edit_peff", "1..5", "1..5", false},
        {"Sheet_vpd", "Edit_vtdb2", "12\b3", "13", false},
        {"Sheet_state", "Edit_hfg", "5", "2452.6", false},
        {"Sheet_state", "Edit_ah", "1a2", "12", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        show_sheet(c.sheet);
        driver.enter_text(c.edit, "");
        driver.get<ui::Label>("Message3").set_caption("");
        driver.type(c.typed);
        EXPECT_EQ(text(c.edit), c.shown);
        EXPECT_EQ(text("Message3"), c.message ? Drop_Message : "");
        // An empty field is left without a conversion, whatever was typed here.
        driver.get<ui::Edit>(c.edit).set_text("");
    }
}

}  // namespace
