#include <cmath>
#include <string>
#include <string_view>

#include "main/property_entry.h"
#include "numtext/text_to_number.h"
#include "state/entry_limits.h"
#include "tests/main/reliability_test.h"
#include "tests/support/random_draws.h"

using namespace hygrodex;
using namespace state;

// A seeded walk of random user actions: entries of every property (inside, at and beyond their
// limits, untouched, not a number), sheet and column switches, crosshair steps, clicks on the
// chart, zooms, the settings dialog, and the Pad and VPD sheets' own fields. After every action
// the state is finite and physical, no action has raised a math or floating-point error, and the
// current column shows the state within its masks.
namespace {

using Driver = test_support::Driver;
using test_support::number_text;

constexpr unsigned Seed = 20261210;
constexpr int Action_Count = 5000;

const Row Editable_Rows[] = {Row::Tdb, Row::RH, Row::Twb, Row::Tdp, Row::AH, Row::H, Row::SV, Row::DOS, Row::Pw};
const char* const Pages[] = {"State", "Process", "Pad", "VPD"};
const char* const Crosshair_Buttons[] = {"Btn_up",    "Btn_down",    "Btn_left", "Btn_right",
                                         "Btn_rh_up", "Btn_rh_down", "Btn_h_up", "Btn_h_down"};
const char* const View_Buttons[] = {"ZoomIn", "ZoomOut", "Btn_default"};

// Half a unit of the last decimal a display mask shows.
double half_last_decimal(std::string_view mask) {
    const std::size_t point = mask.find('.');
    const std::size_t decimals = point == std::string_view::npos ? 0 : mask.size() - point - 1;
    return 0.5 * std::pow(10.0, -static_cast<double>(decimals));
}

class Random_Actions_Test : public Reliability_Test, protected test_support::Random_Draws {
protected:
    Random_Actions_Test() : Random_Draws(Seed) {}

    // The active sheet's current column; nullptr when the Process sheet's active column is empty.
    const State_Column* current_column() const {
        const std::string& page = driver.get<ui::Page_Control>("PageControl1").active_page()->caption();
        if (page == "Process") return driver.get<ui::Speed_Button>("SBtn_two1").down() ? &Col_two1 : &Col_two2;
        if (page == "Pad") return &Col_pad_outdoor;
        if (page == "VPD") return &Col_vpd_air;
        return &Col_state;
    }
    std::string edit_name(const State_Column& column, Row row) const { return column[row].name(); }

    // The user empties a field left with a text that is not a number; its exit then shows the
    // current value again.
    void clear_if_refused(const std::string& name) {
        ui::Edit& edit = form.get<ui::Edit>(name);
        if (!edit.focused()) return;
        edit.set_text("");
        leave();
    }

    double value_for(Row row) {
        const Air_State& s = state();
        if (chance(0.2)) {
            const Property_Entry& entry = property_entry(row);
            const Wet_Entry_Rule rule = chance(0.5) ? Wet_Entry_Rule::Shown_Tdb : Wet_Entry_Rule::Stored_Tdb;
            const double limit = chance(0.5) ? entry.lower_limit(s, rule) : entry.upper_limit(s, rule);
            return limit;
        }
        switch (row) {
        case Row::Tdb: return uniform(-45, 75);
        case Row::RH: return uniform(-5, 105);
        case Row::Twb: return uniform(s.Tdb - 30, s.Tdb + 1);
        case Row::Tdp: return uniform(s.Tdb - 60, s.Tdb + 1);
        case Row::AH: return uniform(-0.001, AH_Sat(s) * 1.1);
        case Row::H: return uniform(H_Min(s) - 5, H_Sat(s) + 5);
        case Row::SV: return uniform(SV_Min(s) - 0.01, SV_Sat(s) + 0.01);
        case Row::DOS: return uniform(-5, 105);
        default: return uniform(-0.1, s.Pws * 1.1);
        }
    }

    void enter_property() {
        const State_Column* column = current_column();
        const Row row = Editable_Rows[pick(std::size(Editable_Rows))];
        const std::string name = edit_name(*column, row);
        if (!column->edits[row_index(row)]->enabled()) return;
        const int kind = pick(10);
        if (kind == 0) {
            driver.press_into(name);
            leave();
        } else if (kind == 1) {
            enter(name, "1-2");
            clear_if_refused(name);
        } else {
            enter(name, number_text(value_for(row)));
        }
    }

    void set_pressure() {
        const bool by_elevation = chance(0.5);
        const std::string edit = by_elevation ? "edit_m" : "edit_patm";
        const std::string typed = number_text(by_elevation ? uniform(-6000, 10000) : uniform(25, 1100));
        set_patm([&](Driver& dialog) {
            ui::Edit& field = dialog.get<ui::Edit>(edit);
            for (int click = 0; click < 2 && !field.focused(); ++click) dialog.press_into(edit);
            field.select_all();
            dialog.type(typed);
            dialog.click("OKBtn");
            if (dialog.form().modal_result() == ui::Mr_None) dialog.escape();
        });
    }

    void enter_sheet_field() {
        const std::string& page = driver.get<ui::Page_Control>("PageControl1").active_page()->caption();
        if (page == "Pad") {
            const std::string name = chance(0.5) ? "Edit_peff" : "Edit_ptdb2";
            enter(name, chance(0.1) ? "1-2" : number_text(uniform(-10, 110)));
            clear_if_refused(name);
        } else if (page == "VPD") {
            enter("Edit_vtdb2", chance(0.1) ? "1-2" : number_text(uniform(-45, 75)));
            clear_if_refused("Edit_vtdb2");
        }
    }

    void act() {
        switch (pick(12)) {
        case 0: driver.select_page(Pages[pick(4)]); break;
        case 1:
            if (driver.get<ui::Page_Control>("PageControl1").active_page()->caption() == "Process")
                driver.click(chance(0.5) ? "SBtn_two1" : "SBtn_two2");
            break;
        case 2:
        case 3: driver.click(Crosshair_Buttons[pick(8)]); break;
        case 4: driver.move_track_bar("MoveBar", 1 + pick(10)); break;
        case 5: driver.mouse_down("Chart_Image", pick(650) - 50, pick(570) - 50); break;
        case 6: driver.click(View_Buttons[pick(3)]); break;
        case 7: set_pressure(); break;
        case 8: enter_sheet_field(); break;
        default: enter_property(); break;
        }
    }

    // Range refusals and conversion errors are the program's answers to the input; math reports
    // and floating-point errors would be faults.
    void expect_no_fault(int action) {
        for (const test_support::Recorded_Box& box : take_boxes()) {
            const bool range = box.caption == "Error";
            const bool conversion = box.text.find("is not a valid floating point value") != std::string::npos;
            EXPECT_TRUE(range || conversion) << "action " << action << ": " << box.text;
        }
    }

    void expect_column_shows_state(int action) {
        const State_Column* column = current_column();
        if (!Holds_State(*column)) return;
        for (const Row_Info& info : State_Rows) {
            const double shown = static_cast<double>(numtext::text_to_float((*column)[info.row].text()));
            const double value = shown_value(info.row, state());
            EXPECT_LE(std::fabs(shown - value), half_last_decimal(info.mask) + 1e-6 * std::fabs(value))
                << "action " << action << ": " << info.tag << " shows " << (*column)[info.row].text() << " for "
                << value;
        }
    }
};

TEST_F(Random_Actions_Test, EveryActionLeavesAFiniteAndPhysicalStateShownWithinItsMasks) {
    for (int action = 0; action < Action_Count && !HasFailure(); ++action) {
        act();
        expect_no_fault(action);
        EXPECT_TRUE(in_physical_range(state())) << "action " << action;
        expect_column_shows_state(action);
    }
}

}  // namespace
