#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "app/math_error_boxes.h"
#include "main/psy.h"
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
    static TForm1& create_window(ui::Application& application, ui::Front_End& front_end) {
        application.set_front_end(front_end);
        return application.create_form<TForm1>();
    }

    std::string text(const std::string& name) const { return driver.text(name); }

    test_support::Headless_Front_End front_end;
    ui::Application application{"Hygrodex.exe"};
    Math_Error_Boxes math_error_boxes{application};
    TForm1& form = create_window(application, front_end);
    test_support::Driver driver{form};
};
