#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "app/math_error_boxes.h"
#include "main/psy.h"
#include "tests/main/main_window_test_access.h"
#include "tests/support/driver.h"
#include "tests/support/headless_front_end.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/static_controls.h"

using Names = std::vector<std::string>;

// The property tags in row order, as the edits' names use them.
inline const Names Tags = {"tdb", "rh", "twb", "tdp", "ah", "h", "sv", "hfg", "dos", "pws", "pw"};

// The names of a column's edits from row first to row last: "Edit_" + sheet letter + tag + suffix.
inline Names column_names(const std::string& letter, const std::string& suffix, std::size_t first = 0,
                          std::size_t last = 10) {
    Names names;
    for (std::size_t row = first; row <= last; ++row) names.push_back("Edit_" + letter + Tags[row] + suffix);
    return names;
}

inline Names joined(std::initializer_list<Names> parts) {
    Names all;
    for (const Names& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The main window as the program creates it, with a front end that records message boxes.
class Main_Window_Test : public ::testing::Test {
protected:
    static hygrodex::TForm1& create_window(ui::Application& application, ui::Front_End& front_end) {
        application.set_front_end(front_end);
        return application.create_form<hygrodex::TForm1>();
    }

    std::string text(const std::string& name) const { return driver.text(name); }

    // What the window holds, read only.
    const state::Air_State& state() const { return form.view().State; }
    const chart::Chart_Fields& chart() const { return form.view().Chart; }
    // The same, written past every user action (main_window_test_access.h).
    state::Air_State& forced_state() { return Main_Window_Test_Access::State(form); }
    chart::Chart_Fields& forced_chart() { return Main_Window_Test_Access::Chart(form); }

    // The name of the sheet in front.
    std::string active_sheet() const {
        const ui::Tab_Sheet* page = driver.get<ui::Page_Control>("PageControl1").active_page();
        return page ? page->name() : std::string();
    }

    // A sheet's column, found by its edits' names.
    hygrodex::State_Column column_of(const std::string& letter, const std::string& suffix) const {
        hygrodex::State_Column column;
        const Names names = column_names(letter, suffix);
        for (std::size_t row = 0; row < hygrodex::Row_Count; ++row)
            column.edits[row] = &driver.get<ui::Edit>(names[row]);
        return column;
    }

    test_support::Headless_Front_End front_end;
    ui::Application application{"Hygrodex.exe"};
    app::Math_Error_Boxes math_error_boxes{application};
    hygrodex::TForm1& form = create_window(application, front_end);
    test_support::Driver driver{form};

    const hygrodex::State_Column Col_state = column_of("", "");
    const hygrodex::State_Column Col_two1 = column_of("2", "1");
    const hygrodex::State_Column Col_two2 = column_of("2", "2");
    const hygrodex::State_Column Col_two_diff = column_of("2", "d");
    const hygrodex::State_Column Col_pad_outdoor = column_of("p", "1");
    const hygrodex::State_Column Col_pad_after = column_of("p", "2");
    const hygrodex::State_Column Col_vpd_air = column_of("v", "1");
    const hygrodex::State_Column Col_vpd_leaf = column_of("v", "2");
};
