#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "earlier/entry_rules.h"
#include "numtext/text_to_number.h"
#include "state/entry_limits.h"
#include "tests/earlier/moistrel_test.h"
#include "tests/state/worked_state.h"
#include "tests/support/random_draws.h"

using state::AH_Sat;
using state::Air_State;
using state::Highest_Patm;
using state::Lowest_Patm;
using state::Wet_Entry_Rule;

// A seeded walk of random user actions in Moistrel: entries in the state panel (inside, at and
// beyond their limits, tiny, subnormal and huge, not a number, empty, untouched), Enter walks,
// the chart's commands and move buttons, the pointer over the chart and the window, the settings
// dialog with random pressures, and the About box. After every action both dialogs still open
// from their menus, every box and message line is one the program names, the state is finite and
// physical, and every text of the panel reads back as a number of its value's order.
namespace {

using Driver = test_support::Driver;
using moistrel::Entry;
using moistrel::Entry_Rule_Of;
using test_support::number_text;

constexpr unsigned Seed = 20261210;
constexpr int Action_Count = 5000;

struct Editable_Field {
    const char* edit;
    Entry entry;
    float Air_State::*value;
};
const Editable_Field Editable_Fields[] = {
    {"Edit_tdb", Entry::Tdb, &Air_State::Tdb}, {"Edit_rh", Entry::RH, &Air_State::RH},
    {"Edit_twb", Entry::Twb, &Air_State::Twb}, {"Edit_tdp", Entry::Tdp, &Air_State::Tdp},
    {"Edit_ah", Entry::AH, &Air_State::AH},    {"Edit_dos", Entry::DOS, &Air_State::DOS},
    {"Edit_pw", Entry::Pw, &Air_State::Pw},
};
// Every edit the Enter walk passes through; Hfg is hidden.
const char* const Walked_Edits[] = {"Edit_tdb", "Edit_rh", "Edit_twb", "Edit_tdp", "Edit_ah",
                                    "Edit_h",   "Edit_sv", "Edit_dos", "Edit_pws", "Edit_pw"};
const char* const Chart_Buttons[] = {"Btn_up", "Btn_down", "Btn_left", "Btn_right", "BitBtn5", "ZoomIn", "ZoomOut"};
const char* const Line_Switches[] = {"Check_T", "Check_RH", "Check_AH", "Check_H", "Check_SV"};
const char* const Hovered[] = {"GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4", "Button1", "Form1"};

const std::string Subnormal = "0." + std::string(40, '0') + "1";  // 1e-41
const std::string Beyond_Float = "1" + std::string(39, '0');      // 1e39
// Texts a user may leave in a field: no number, an exponent the key filter strips, tiny,
// subnormal and huge numbers in fixed notation, as the key filter takes no exponent.
const std::string Odd_Texts[] = {
    "",
    "1-2",
    "-",
    ".",
    "-.",
    "1..2",
    "1e-21",
    "0.000000000000000000001",
    "-0.000000000000000000001",
    Subnormal,
    "-" + Subnormal,
    "1" + std::string(30, '0'),
    "-1" + std::string(30, '0'),
    Beyond_Float,
    "-0",
};

// The boxes the program shows: the settings dialog's refusals, and the conversion's answers to a
// text that is not a number or one beyond the float range.
constexpr const char* Beyond_Float_Box = "Floating point overflow.";
const std::string Not_A_Number_Box_End = "' is not a valid floating point value.";

class Random_Actions_Test : public Moistrel_Test, protected test_support::Random_Draws {
protected:
    Random_Actions_Test() : Random_Draws(Seed) {}

    double value_for(Entry entry) {
        const Air_State& s = state();
        const moistrel::Entry_Rule& rule = Entry_Rule_Of(entry);
        if (chance(0.2)) return (chance(0.5) ? rule.lower_limit : rule.upper_limit)(s, Wet_Entry_Rule::Stored_Tdb);
        switch (entry) {
        case Entry::Tdb: return uniform(-45, 75);
        case Entry::RH: return uniform(-5, 105);
        case Entry::Twb: return uniform(s.Tdb - 30, s.Tdb + 1);
        case Entry::Tdp: return uniform(s.Tdb - 60, s.Tdb + 1);
        case Entry::AH: return uniform(-0.001, AH_Sat(s) * 1.1);
        case Entry::DOS: return uniform(-0.05, 1.05);
        default: return uniform(-0.1, s.Pws * 1.1);
        }
    }

    // A refused conversion keeps the focus in the field; the user then types the state's value
    // over the text and leaves again.
    void leave(const Editable_Field& field) {
        if (chance(0.3)) driver.enter();
        else driver.press_into("Check_T");
        ui::Edit& edit = form.get<ui::Edit>(field.edit);
        if (!edit.focused()) return;
        edit.select_all();
        driver.type(number_text(state().*field.value));
        driver.press_into("Check_T");
        EXPECT_FALSE(edit.focused()) << field.edit << " keeps the focus";
    }

    void enter_property() {
        const Editable_Field& field = Editable_Fields[pick(std::size(Editable_Fields))];
        const int kind = pick(10);
        if (kind == 0) {
            driver.press_into(field.edit);
            doing = std::string(field.edit) + " untouched";
        } else {
            const std::string typed =
                kind == 1 ? Odd_Texts[pick(std::size(Odd_Texts))] : number_text(value_for(field.entry));
            driver.enter_text(field.edit, typed.empty() ? std::string("\b") : typed);
            doing = std::string(field.edit) + " := \"" + typed + "\"";
            beyond_float = typed == Beyond_Float;
        }
        leave(field);
    }

    void walk() {
        const char* start = Walked_Edits[pick(std::size(Walked_Edits))];
        const int steps = 1 + pick(12);
        doing = "Enter walk from " + std::string(start) + ", " + std::to_string(steps) + " steps";
        driver.press_into(start);
        for (int step = 0; step < steps; ++step) driver.enter();
        driver.press_into("Check_T");
    }

    std::string pressure_text() {
        switch (pick(6)) {
        case 0: return Odd_Texts[pick(std::size(Odd_Texts))];
        case 1: return number_text(chance(0.5) ? Lowest_Patm() : Highest_Patm);
        case 2: return number_text(uniform(-10, 40));
        case 3: return number_text(uniform(900, 1100));
        default: return number_text(uniform(30, 200));
        }
    }

    // OK, Enter or Cancel; a refused pressure leaves the dialog open, and the user cancels it.
    void set_pressure() {
        const std::string typed = pressure_text();
        const int close_by = pick(3);
        beyond_float = typed == Beyond_Float && close_by != 2;
        doing = "Patm \"" + typed + "\" closed by " + std::to_string(close_by);
        in_settings([&](Driver& dialog) {
            dialog.press_into("edit_patm");
            dialog.get<ui::Edit>("edit_patm").select_all();
            dialog.type(typed.empty() ? std::string("\b") : typed);
            if (close_by == 0) dialog.click("OKBtn");
            else if (close_by == 1) dialog.enter();
            if (dialog.form().modal_result() == ui::Mr_None) dialog.escape();
        });
    }

    void act() {
        doing = "a chart, pointer or hover action";
        switch (pick(12)) {
        case 0: walk(); break;
        case 1:
        case 2: driver.click(Chart_Buttons[pick(std::size(Chart_Buttons))]); break;
        case 3: driver.click(Line_Switches[pick(std::size(Line_Switches))]); break;
        case 4: driver.move_track_bar("MoveBar", 1 + pick(10)); break;
        case 5: driver.mouse_move("Chart_Image", pick(677) - 50, pick(597) - 50); break;
        case 6: driver.mouse_down("Chart_Image", pick(677) - 50, pick(597) - 50); break;
        case 7: driver.mouse_move(Hovered[pick(std::size(Hovered))], pick(100), pick(100)); break;
        case 8: set_pressure(); break;
        default: enter_property(); break;
        }
    }

    void expect_only_named_boxes(int action) {
        for (const test_support::Recorded_Box& box : front_end.boxes) {
            const bool refusal = box.text == Patm_Too_Low || box.text == Patm_Too_High;
            const bool not_a_number = box.text.starts_with('\'') && box.text.ends_with(Not_A_Number_Box_End);
            const bool beyond = beyond_float && box.text == Beyond_Float_Box;
            EXPECT_TRUE(refusal || not_a_number || beyond)
                << "action " << action << ": " << box.text << " at Tdb " << state().Tdb;
        }
        front_end.boxes.clear();
        beyond_float = false;
    }

    void expect_named_message(int action) {
        const std::string& shown = driver.get<ui::Label>("Message3").caption();
        EXPECT_TRUE(shown.empty() || shown == "請輸入數值~~" || refusals.contains(shown))
            << "action " << action << ": " << shown;
    }

    // A modal form that would not open leaves its scripted answer unused.
    void expect_dialogs_open(int action) {
        front_end.answer_next_modal([](ui::Form& box) { Driver(box).click("OKButton"); });
        driver.menu("M_about");
        in_settings([](Driver& dialog) { dialog.escape(); });
        EXPECT_EQ(front_end.pending_responders(), 0u) << "action " << action;
        front_end.modal_forms_shown.clear();
    }

    // The action typed a number beyond the float range where a conversion meets it.
    bool beyond_float = false;
    // What the action did, for a failure's message.
    std::string doing;
    // The third message line's refusals of an entry.
    const std::set<std::string> refusals = [] {
        std::set<std::string> texts;
        for (const moistrel::Entry_Rule& rule : moistrel::Entry_Rules()) {
            texts.emplace(rule.too_high);
            texts.emplace(rule.too_low);
        }
        return texts;
    }();
};

// The state within the chart's temperatures and the physical ranges; every field finite.
::testing::AssertionResult in_physical_range(const Air_State& s) {
    for (const float field : fields(s))
        if (!std::isfinite(field)) return ::testing::AssertionFailure() << "a field is not finite";
    if (s.Patm <= Lowest_Patm() || s.Patm > Highest_Patm) return ::testing::AssertionFailure() << "Patm " << s.Patm;
    if (s.Tdb < -40 || s.Tdb > 70) return ::testing::AssertionFailure() << "Tdb " << s.Tdb;
    if (s.RH < 0 || s.RH > 100) return ::testing::AssertionFailure() << "RH " << s.RH;
    if (s.Pw < 0 || s.Pw > s.Pws) return ::testing::AssertionFailure() << "Pw " << s.Pw << " of Pws " << s.Pws;
    if (s.AH < 0 || s.AH > AH_Sat(s)) return ::testing::AssertionFailure() << "AH " << s.AH;
    if (s.DOS < 0 || s.DOS > 1) return ::testing::AssertionFailure() << "DOS " << s.DOS;
    if (s.SV <= 0 || s.Hfg <= 0) return ::testing::AssertionFailure() << "SV " << s.SV << ", Hfg " << s.Hfg;
    return ::testing::AssertionSuccess();
}

// A fixed-notation text is the value cut after its last shown decimal, and of the same order
// wherever the cut keeps a digit that is not zero (a value between -0.001 and -0.0001 keeps none
// of its six characters: "-0.000"). An E-notation text keeps its exponent: the same sign and within
// a factor of ten.
::testing::AssertionResult reads_back(const std::string& text, float value) {
    if (!numtext::Optional_Number(text)) return ::testing::AssertionFailure() << "\"" << text << "\" is no number";
    const double shown = static_cast<double>(numtext::text_to_float(text));
    const double exact = value;
    const bool same_order = shown / exact > 0.1 && shown / exact < 10;
    const std::size_t point = text.find('.');
    const double last_decimal =
        point == std::string::npos ? 1 : std::pow(10.0, -static_cast<double>(text.size() - point - 1));
    const bool within_cut = std::fabs(shown - exact) < last_decimal;
    const bool fits = text.find('E') != std::string::npos ? same_order : within_cut && (shown == 0 || same_order);
    if (!fits) return ::testing::AssertionFailure() << "\"" << text << "\" shows " << value;
    return ::testing::AssertionSuccess();
}

void expect_panel_reads_back(const test_support::Driver& driver, const Air_State& s, int action) {
    const std::pair<const char*, float> shown[] = {
        {"Edit_tdb", s.Tdb}, {"Edit_rh", s.RH},   {"Edit_twb", s.Twb}, {"Edit_tdp", s.Tdp},
        {"Edit_ah", s.AH},   {"Edit_h", s.H},     {"Edit_sv", s.SV},   {"Edit_hfg", s.Hfg},
        {"Edit_dos", s.DOS}, {"Edit_pws", s.Pws}, {"Edit_pw", s.Pw},
    };
    for (const auto& [edit, value] : shown)
        EXPECT_TRUE(reads_back(driver.text(edit), value)) << "action " << action << ": " << edit;
}

TEST_F(Random_Actions_Test, EveryActionLeavesAFinitePhysicalStateThePanelShowsAndTheDialogsOpen) {
    for (int action = 0; action < Action_Count && !HasFailure(); ++action) {
        act();
        SCOPED_TRACE(doing);
        expect_only_named_boxes(action);
        expect_named_message(action);
        EXPECT_TRUE(in_physical_range(state())) << "action " << action;
        expect_panel_reads_back(driver, state(), action);
        expect_dialogs_open(action);
    }
}

}  // namespace
