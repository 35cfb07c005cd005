#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/math_error_boxes.h"
#include "tests/support/driver.h"
#include "tests/support/headless_front_end.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/edit.h"
#include "ui/static_controls.h"

// An application with one shown form and a log that the handlers write into.
class Window_Test : public ::testing::Test {
protected:
    Window_Test() {
        app.set_front_end(front_end);
        form.set_bounds({0, 0, 400, 300});
    }

    // Logs "exit NAME" and "enter NAME" for the control's focus events.
    void log_focus(ui::Win_Control& control) {
        control.OnEnter = [this](ui::Control& sender) { log.push_back("enter " + sender.name()); };
        control.OnExit = [this](ui::Control& sender) { log.push_back("exit " + sender.name()); };
    }
    void log_click(ui::Control& control) {
        control.OnClick = [this](ui::Control& sender) { log.push_back("click " + sender.name()); };
    }
    ui::Edit& edit(const std::string& name, ui::Win_Control* parent = nullptr) {
        auto& e = form.create<ui::Edit>(parent, name);
        log_focus(e);
        return e;
    }

    test_support::Headless_Front_End front_end;
    ui::Application app{"Testprog"};
    app::Math_Error_Boxes math_error_boxes{app};
    ui::Form& form = app.create_form<ui::Form>("Form1");
    test_support::Driver driver{form};
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;
