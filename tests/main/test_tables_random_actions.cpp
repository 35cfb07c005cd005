#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <string_view>

#include "tests/main/tables_menu_test.h"

using tables::Table_Count;
using tables::Table_Sheet;

// A seeded walk of random user actions in the tables window, opened from a random Tables menu
// entry each time it was closed: texts typed into the limit edits (numbers, texts that are no
// number, huge and tiny numbers, nothing), Tab, Shift+Tab and Enter out of them, clicks into them,
// step bars, page switches by the user, "List", "Clear", the close box and "Quit". Boxes are
// answered as they come. Every entry shows the window on its page; after every action the boxes
// shown are the window's own messages only, and the grid holds a table of numbers or nothing.
namespace {

using Driver = test_support::Driver;

constexpr unsigned Seed = 20261211;
constexpr int Action_Count = 5000;

// The texts that are no number, and the numbers at the ends of what the edits can take; the key
// filter drops the letters of "abc" and "1e20" as the user types them.
const char* const Bad_Texts[] = {"1-2", "-", ".", "abc", "", "1.2.3", "--5", "5-"};
const char* const Huge_Texts[] = {"2147483647", "-2147483648", "2147483648", "99999999999", "1e20", "-1e38"};
const char* const Tiny_Texts[] = {"0.000001", "-0.0000001", "0", "-0", "0.5", "-0.5"};

// The window's own range warnings, order checks and size limit.
std::set<std::string> warning_texts() {
    std::set<std::string> texts = {"Table is too large. Please reinput!!"};
    for (const std::string quantity : {"Tdb", "RH", "Twb"}) {
        texts.insert(quantity + " is too high. Please reinput!!");
        texts.insert(quantity + " is too low. Please reinput!!");
        texts.insert("Lower Limit of " + quantity + " is greater than Upper Limit. Please reinput!!");
    }
    return texts;
}

bool all_digits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(c) != 0; });
}

// A whole number as the headers show it.
bool is_integer_text(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    return all_digits(text);
}

// A number as the display masks show it: a whole number, maybe followed by a point and decimals.
bool is_number_text(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) return is_integer_text(text);
    return is_integer_text(text.substr(0, point)) && all_digits(text.substr(point + 1));
}

// Either nothing (the design grid, or the one "Clear" leaves), or a listed table: the corner
// empty, whole numbers in the headers, and a number or "N/A" in every other cell.
::testing::AssertionResult holds_a_table_or_nothing(const ui::String_Grid& grid) {
    bool empty = true;
    for (int r = 0; r < grid.row_count() && empty; ++r)
        for (int c = 0; c < grid.col_count() && empty; ++c) empty = grid.cell(c, r).empty();
    if (empty) return ::testing::AssertionSuccess();
    for (int r = 0; r < grid.row_count(); ++r) {
        for (int c = 0; c < grid.col_count(); ++c) {
            const std::string& text = grid.cell(c, r);
            const bool sound = (c == 0 && r == 0)   ? text.empty()
                               : (c == 0 || r == 0) ? is_integer_text(text)
                                                    : is_number_text(text) || text == "N/A";
            if (!sound) return ::testing::AssertionFailure() << "cell " << c << ", " << r << " reads '" << text << "'";
        }
    }
    return ::testing::AssertionSuccess();
}

class Tables_Random_Actions_Test : public Tables_Menu_Test {
protected:
    int pick(std::size_t count) { return std::uniform_int_distribution<int>(0, static_cast<int>(count) - 1)(random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random); }

    const Table_Sheet& active_sheet() const {
        return tables.Sheets.at(static_cast<std::size_t>(tables.psytable->active_page_index()));
    }
    std::array<ui::Edit*, 4> limit_edits() const {
        const Table_Sheet& sheet = active_sheet();
        return {sheet.tdb_low, sheet.tdb_high, sheet.row_low, sheet.row_high};
    }
    ui::Edit& random_edit() { return *limit_edits()[static_cast<std::size_t>(pick(4))]; }

    // Ordinary limits: lower ones mostly below upper ones, so that many tables are listed.
    std::string random_text(const ui::Edit& edit) {
        const Table_Sheet& sheet = active_sheet();
        const bool lower = &edit == sheet.tdb_low || &edit == sheet.row_low;
        switch (pick(10)) {
        case 0: return Bad_Texts[pick(std::size(Bad_Texts))];
        case 1: return Huge_Texts[pick(std::size(Huge_Texts))];
        case 2: return Tiny_Texts[pick(std::size(Tiny_Texts))];
        case 3: {
            char text[16];
            const double value = std::uniform_real_distribution<double>(-45, 105)(random);
            std::snprintf(text, sizeof text, "%.*f", 1 + pick(2), value);
            return text;
        }
        default: return std::to_string(std::uniform_int_distribution<int>(lower ? -45 : 0, lower ? 50 : 105)(random));
        }
    }

    // The user types over the whole text of the focused limit edit, as after a refusal of it.
    void retype(Driver& window) {
        auto* edit = dynamic_cast<ui::Edit*>(tables.focused());
        if (!edit) return;
        edit->select_all();
        window.type(random_text(*edit));
    }

    void act(Driver& window) {
        switch (pick(16)) {
        case 0: window.press_into(random_edit().name()); break;
        case 1: window.tab(); break;
        case 2: window.press(ui::Key::Back_Tab); break;
        case 3: window.enter(); break;
        case 4: window.select_page(pick(Table_Count)); break;
        case 5: window.press_ctrl(chance(0.5) ? ui::Key::Tab : ui::Key::Page_Up); break;
        case 6: {
            const Table_Sheet& sheet = active_sheet();
            window.move_track_bar((chance(0.5) ? sheet.col_step : sheet.row_step)->name(), 1 + pick(10));
            break;
        }
        case 7:
        case 8: window.click("Btn_count"); break;
        case 9: window.click(chance(0.2) ? "Btn_cls" : "Btn_count"); break;
        case 10:
            if (chance(0.5)) window.close();
            else window.click("Btn_exit");
            break;
        case 11:
        case 12: retype(window); break;
        default: {
            const ui::Edit& edit = random_edit();
            window.enter_text(edit.name(), random_text(edit));
            break;
        }
        }
    }

    // The range warnings, order checks and size limit come in an "Error" box; a text that is no
    // number is named by its conversion message in the exception box, and only a text of the
    // active sheet's limit edits can be.
    void expect_only_own_boxes(int action) {
        for (const test_support::Recorded_Box& box : front_end.boxes) {
            const bool warning = box.caption == "Error" && warnings.contains(box.text);
            bool refusal = false;
            for (const ui::Edit* edit : limit_edits())
                for (const std::string kind : {"floating point", "integer"})
                    refusal = refusal || box.text == "'" + edit->text() + "' is not a valid " + kind + " value.";
            refusal = refusal && box.caption == "Hygrodex";
            EXPECT_TRUE(warning || refusal) << "action " << action << ": " << box.caption << ": " << box.text;
        }
        front_end.boxes.clear();
    }

    std::mt19937 random{Seed};
    const std::set<std::string> warnings = warning_texts();
};

TEST_F(Tables_Random_Actions_Test, EveryEntryShowsTheWindowAndEveryActionShowsOnlyItsBoxesAndATable) {
    int action = 0;
    while (action < Action_Count && !HasFailure()) {
        const int entry = pick(Table_Entries.size());
        bool shown = false;
        open(Table_Entries[static_cast<std::size_t>(entry)], [&](Driver& window) {
            shown = tables.showing() && tables.psytable->active_page_index() == entry;
            while (action < Action_Count && !HasFailure() && tables.modal_result() == ui::Mr_None) {
                act(window);
                expect_only_own_boxes(action);
                EXPECT_TRUE(holds_a_table_or_nothing(*tables.StringGrid_table)) << "action " << action;
                ++action;
            }
            if (tables.modal_result() == ui::Mr_None) window.close();
        });
        EXPECT_TRUE(shown) << "action " << action << ": " << Table_Entries[static_cast<std::size_t>(entry)]
                           << " did not show the window on its page";
        expect_only_own_boxes(action);
    }
}

}  // namespace
