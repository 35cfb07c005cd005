#include "chart/chart_tables.h"
#include "dialogs/about.h"
#include "dialogs/status.h"
#include "tests/main/main_window_test.h"

using chart::Calc_AHLines;
using chart::Calc_RHCurves;
using chart::Calc_TLines;
using chart::Chart_Fields;
using dialogs::TAboutBox;
using dialogs::Tconfig;
using hygrodex::Row;

namespace {

using Driver = test_support::Driver;

// The State sheet's texts in row order.
Names state_texts(const Driver& driver) {
    Names texts;
    for (const std::string& name : column_names("", "")) texts.push_back(driver.text(name));
    return texts;
}

const Names Start_Texts = {"20",     "50",     "13.79", "9.15",  "0.0073", "38.545",
                           "0.8402", "2452.6", "49.42", "2.339", "1.169"};

// The windows in the order of the start-up, connected as it connects them.
class Settings_Command_Test : public Main_Window_Test {
protected:
    Settings_Command_Test() { form.Connect_Dialogs(about_box, settings); }

    // Chooses "Set Patm." while the user does what act says in the dialog.
    void set_patm(const std::function<void(Driver&)>& act) {
        front_end.answer_next_modal([act](ui::Form& dialog) {
            Driver driver(dialog);
            act(driver);
        });
        driver.menu("N3");
    }

    // The dialog's four edits: kPa, psi, m, ft.
    Names dialog_texts() const {
        return {settings.edit_patm->text(), settings.edit_psi->text(), settings.edit_m->text(),
                settings.edit_ft->text()};
    }

    TAboutBox& about_box = application.create_form<TAboutBox>();
    Tconfig& settings = application.create_form<Tconfig>();
};

void type_into(Driver& driver, const std::string& edit, const std::string& text) {
    driver.press_into(edit);
    driver.get<ui::Edit>(edit).select_all();
    driver.type(text);
}

TEST_F(Settings_Command_Test, OkAtAThousandMetresRecomputesTheStateWithTdbAndRhHeld) {
    driver.get<ui::Image>("Chart_Image").canvas().clear();
    set_patm([](Driver& driver) {
        type_into(driver, "edit_m", "1000");
        driver.click("OKBtn");
    });
    EXPECT_EQ(state().Patm, 89.874f);
    EXPECT_EQ(state_texts(driver),
              (Names{"20", "50", "13.79", "9.15", "0.0082", "40.923", "0.9487", "2452.6", "49.34", "2.339", "1.169"}));
    EXPECT_EQ(driver.get<ui::Label>("Message1").caption(), "In addition to Patm,");
    EXPECT_FALSE(driver.get<ui::Image>("Chart_Image").canvas().ops().empty()) << "the chart is redrawn";
    EXPECT_EQ(front_end.modal_forms_shown, Names{"config"});
}

TEST_F(Settings_Command_Test, TheChartTablesFollowThePressure) {
    const Chart_Fields before = chart();
    set_patm([](Driver& driver) {
        type_into(driver, "edit_patm", "80");
        driver.click("OKBtn");
    });
    EXPECT_NE(chart().W_Grid, before.W_Grid) << "the RH curves are rebuilt at the new pressure";
    Chart_Fields expected = chart();
    Calc_RHCurves(expected, 80);
    Calc_TLines(expected);
    Calc_AHLines(expected);
    EXPECT_EQ(chart().W_Grid, expected.W_Grid);
    EXPECT_EQ(chart().Sat_Y, expected.Sat_Y);
    EXPECT_EQ(chart().AH_Level, expected.AH_Level);
}

TEST_F(Settings_Command_Test, OkAtTheSamePressureChangesNoText) {
    set_patm([](Driver& driver) { driver.click("OKBtn"); });
    EXPECT_EQ(state().Patm, 101.325f);
    EXPECT_EQ(state_texts(driver), Start_Texts);
}

// The chain has no saturation shortcut: at RH 100 the dew point is what its fit gives.
TEST_F(Settings_Command_Test, AtRh100TheDewPointIsTheFitsValue) {
    forced_state().RH = 100;
    set_patm([](Driver& driver) { driver.click("OKBtn"); });
    EXPECT_EQ(Col_state[Row::Tdp].text(), "19.86");
    EXPECT_EQ(Col_state[Row::Twb].text(), "20");
}

TEST_F(Settings_Command_Test, CancelAndARefusedPressureLeaveTheState) {
    const struct {
        const char* name;
        void (*act)(Driver&);
    } cases[] = {
        {"Cancel after a conversion",
         [](Driver& driver) {
             type_into(driver, "edit_patm", "90");
             driver.tab();
             driver.click("CancelBtn");
         }},
        {"OK refused, then Escape",
         [](Driver& driver) {
             type_into(driver, "edit_patm", "20");
             driver.click("OKBtn");
             driver.escape();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        set_patm(c.act);
        EXPECT_EQ(state().Patm, 101.325f);
        EXPECT_EQ(state_texts(driver), Start_Texts);
    }
    EXPECT_EQ(front_end.take_box_texts(), Names{"Patm is too low. Please reinput!!"});
}

// Every opening shows the current pressure, whatever the edits were left with.
TEST_F(Settings_Command_Test, TheMenuRefillsTheDialogFromTheCurrentPatm) {
    Names shown;
    const auto look_then_cancel = [&shown, this](Driver& driver) {
        shown = dialog_texts();
        driver.escape();
    };
    set_patm([](Driver& driver) {
        type_into(driver, "edit_patm", "90");
        driver.escape();
    });
    set_patm(look_then_cancel);
    EXPECT_EQ(shown, (Names{"101.325", "14.695", "0", "0"}));
    set_patm([](Driver& driver) {
        type_into(driver, "edit_patm", "90");
        driver.click("OKBtn");
    });
    set_patm(look_then_cancel);
    EXPECT_EQ(shown, (Names{"90", "13.053", "988", "3243"}));
}

TEST_F(Settings_Command_Test, AboutShowsTheAboutBoxModally) {
    front_end.answer_next_modal([](ui::Form& box) { Driver(box).enter(); });
    driver.menu("M_about");
    EXPECT_EQ(front_end.modal_forms_shown, Names{"AboutBox"});
    EXPECT_EQ(front_end.pending_responders(), 0u);
}

}  // namespace
