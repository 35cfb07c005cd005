#pragma once

#include <cmath>
#include <functional>
#include <string>

#include "dialogs/about.h"
#include "dialogs/status.h"
#include "tests/main/sheet_test.h"

// The main window with its dialogs connected as the start-up connects them, for the actions that
// reach the settings dialog.
class Reliability_Test : public Sheet_Test {
protected:
    Reliability_Test() { form.Connect_Dialogs(about_box, settings); }

    // Chooses "Set Patm." while the user does what act says in the dialog.
    void set_patm(const std::function<void(test_support::Driver&)>& act) {
        front_end.answer_next_modal([act](ui::Form& dialog) {
            test_support::Driver dialog_driver(dialog);
            act(dialog_driver);
        });
        driver.menu("N3");
    }
    // Types the pressure in kPa and presses OK. The exit of an edit that still has the focus from
    // the last showing sends it to OK, so the click into the kPa edit may have to be repeated.
    void apply_patm(const std::string& kPa) {
        set_patm([kPa](test_support::Driver& dialog) {
            ui::Edit& edit = dialog.get<ui::Edit>("edit_patm");
            for (int click = 0; click < 2 && !edit.focused(); ++click) dialog.press_into("edit_patm");
            edit.select_all();
            dialog.type(kPa);
            dialog.click("OKBtn");
        });
    }

    dialogs::TAboutBox& about_box = application.create_form<dialogs::TAboutBox>();
    dialogs::Tconfig& settings = application.create_form<dialogs::Tconfig>();
};

// The state is finite and inside the physical range: RH 0..100, Pw 0..Pws, AH and DOS not below 0.
inline ::testing::AssertionResult in_physical_range(const state::Air_State& s) {
    for (const float field : fields(s))
        if (!std::isfinite(field)) return ::testing::AssertionFailure() << "a field is not finite";
    if (s.RH < 0 || s.RH > 100) return ::testing::AssertionFailure() << "RH " << s.RH;
    if (s.Pw < 0 || s.Pw > s.Pws) return ::testing::AssertionFailure() << "Pw " << s.Pw << " of Pws " << s.Pws;
    if (s.AH < 0) return ::testing::AssertionFailure() << "AH " << s.AH;
    if (s.DOS < 0) return ::testing::AssertionFailure() << "DOS " << s.DOS;
    return ::testing::AssertionSuccess();
}
