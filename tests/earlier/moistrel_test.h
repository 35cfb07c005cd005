#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/math_error_boxes.h"
#include "earlier/about.h"
#include "earlier/psy.h"
#include "earlier/status.h"
#include "tests/support/driver.h"
#include "tests/support/headless_front_end.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/edit.h"
#include "ui/static_controls.h"

using Names = std::vector<std::string>;

// The settings dialog's refusals of a pressure out of its range.
constexpr const char* Patm_Too_Low = "大氣壓力輸入值太低，請重新輸入";
constexpr const char* Patm_Too_High = "大氣壓力輸入值太高，請重新輸入";

// The panel's eleven edits in row order.
inline const Names Panel_Edits = {"Edit_tdb", "Edit_rh",  "Edit_twb", "Edit_tdp", "Edit_ah", "Edit_h",
                                  "Edit_sv",  "Edit_hfg", "Edit_dos", "Edit_pws", "Edit_pw"};

// Moistrel's three windows as its start-up creates and connects them, with a front end that
// records message boxes and answers modal forms as scripted.
class Moistrel_Test : public ::testing::Test {
protected:
    // Shown as the message loop shows it, with the focus on the first tab stop.
    Moistrel_Test() {
        form.Connect_Dialogs(about_box, settings);
        form.show();
    }

    static moistrel::TForm1& create_window(ui::Application& application, ui::Front_End& front_end) {
        application.set_front_end(front_end);
        return application.create_form<moistrel::TForm1>();
    }

    std::string text(const std::string& name) const { return driver.text(name); }
    std::string panel(int index) const { return driver.get<ui::Status_Bar>("StatusBar1").panel_text(index); }

    // What the window holds, read only.
    const state::Air_State& state() const { return form.view().State; }
    const chart::Chart_Fields& chart() const { return form.view().Chart; }

    // The panel's texts in row order.
    Names panel_texts() const {
        Names texts;
        for (const std::string& name : Panel_Edits) texts.push_back(text(name));
        return texts;
    }

    // Types value over the field (Backspace empties it) and leaves it for the first line switch,
    // so that no other field's exit runs.
    void enter(const std::string& name, const std::string& value) {
        driver.enter_text(name, value.empty() ? std::string("\b") : value);
        driver.press_into("Check_T");
    }

    // Opens the settings dialog from the menu while the user does what act says in it.
    void in_settings(const std::function<void(test_support::Driver&)>& act) {
        front_end.answer_next_modal([act](ui::Form& dialog) {
            test_support::Driver dialog_driver(dialog);
            act(dialog_driver);
        });
        driver.menu("N3");
    }

    test_support::Headless_Front_End front_end;
    ui::Application application{"Moistrel"};
    app::Math_Error_Boxes math_error_boxes{application};
    moistrel::TForm1& form = create_window(application, front_end);
    moistrel::TAboutBox& about_box = application.create_form<moistrel::TAboutBox>();
    moistrel::Tconfig& settings = application.create_form<moistrel::Tconfig>();
    test_support::Driver driver{form};
};
