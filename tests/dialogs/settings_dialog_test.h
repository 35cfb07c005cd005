#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/math_error_boxes.h"
#include "dialogs/status.h"
#include "tests/support/driver.h"
#include "tests/support/headless_front_end.h"
#include "ui/application.h"

using Texts = std::vector<std::string>;

// The settings dialog on its own: its OK's hand-over is recorded as the kPa text it applies.
class Settings_Dialog_Test : public ::testing::Test {
protected:
    Settings_Dialog_Test() {
        application.set_front_end(front_end);
        dialog.Patm_Accepted = [this] { applied.push_back(dialog.edit_patm->text()); };
    }

    // Shows the dialog modally while the user does what act says; returns the modal result.
    int show(const std::function<void(test_support::Driver&)>& act) {
        front_end.answer_next_modal([act](ui::Form& form) {
            test_support::Driver driver(form);
            act(driver);
        });
        return dialog.show_modal();
    }

    // kPa, psi, m, ft.
    Texts texts() const {
        return {dialog.edit_patm->text(), dialog.edit_psi->text(), dialog.edit_m->text(), dialog.edit_ft->text()};
    }

    test_support::Headless_Front_End front_end;
    ui::Application application{"Hygrodex.exe"};
    app::Math_Error_Boxes math_error_boxes{application};
    dialogs::Tconfig& dialog = application.create_form<dialogs::Tconfig>();
    Texts applied;
};
