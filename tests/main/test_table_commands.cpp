#include <cstring>

#include "dialogs/about.h"
#include "dialogs/status.h"
#include "tables/tables.h"
#include "tests/main/main_window_test.h"

namespace {

using Driver = test_support::Driver;

// The four windows in the order of the start-up, connected as it connects them.
class Table_Command_Test : public Main_Window_Test {
protected:
    Table_Command_Test() {
        form.Connect_Dialogs(about_box, settings);
        form.Connect_Tables(tables);
    }

    // Chooses a Tables menu entry while the user does what act says in the tables window.
    void open(const std::string& item, const std::function<void(Driver&)>& act = [](Driver& driver) { driver.click("Btn_exit"); }) {
        front_end.answer_next_modal([act](ui::Form& window) {
            Driver driver(window);
            act(driver);
        });
        driver.menu(item);
    }

    TAboutBox& about_box = application.create_form<TAboutBox>();
    Tconfig& settings = application.create_form<Tconfig>();
    Tpsytable& tables = application.create_form<Tpsytable>();
};

TEST_F(Table_Command_Test, EveryTablesEntryOpensTheWindowOnItsSheetWithThePressure) {
    const Names items = {"Twbf", "WBDf", "RHf", "VPDf1", "VPDf2", "Tdpf1", "Tdpf2", "THIf1", "THIf2", "AHDf1", "AHDf2"};
    for (std::size_t i = 0; i < items.size(); ++i) {
        int shown_page = -1;
        open(items[i], [&shown_page](Driver& driver) {
            shown_page = driver.get<ui::Page_Control>("psytable").active_page_index();
            driver.close();
        });
        EXPECT_EQ(shown_page, static_cast<int>(i)) << items[i];
    }
    EXPECT_EQ(front_end.modal_forms_shown, Names(items.size(), "psytable"));
    EXPECT_EQ(tables.label_patm->caption(), "Patm : 101.325 kPa");
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(Table_Command_Test, TheWindowKeepsItsInputsAndItsLastTableBetweenOpenings) {
    open("Twbf", [](Driver& driver) {
        driver.get<ui::Edit>("Edit_twb1tdb").set_text("25");
        driver.click("Btn_count");
        driver.click("Btn_exit");
    });
    open("RHf");
    EXPECT_EQ(tables.psytable->active_page()->caption(), "RH");
    EXPECT_EQ(tables.gtable->caption(), "Twb Table");
    EXPECT_EQ(tables.Message2->caption(), "Wet Bulb Temperature");
    EXPECT_EQ(tables.StringGrid_table->cell(1, 0), "25");
    EXPECT_EQ(tables.Sheets[Table_twb].tdb_low->text(), "25");
}

TEST_F(Table_Command_Test, ACancelledPressureIsTheTablesWhileTheMainWindowKeepsItsOwn) {
    front_end.answer_next_modal([](ui::Form& dialog) {
        Driver driver(dialog);
        driver.get<ui::Edit>("edit_patm").set_text("90");
        driver.click("CancelBtn");
    });
    driver.menu("N3");
    open("AHDf1");
    EXPECT_EQ(tables.label_patm->caption(), "Patm : 90 kPa");
    EXPECT_EQ(form.State.Patm, 101.325f);
}

TEST_F(Table_Command_Test, AKpaTextTheDialogWouldRefuseGivesTheMainWindowsPressureUnasked) {
    for (const std::string text : {"", "abc", "20"}) {
        settings.edit_patm->set_text(text);
        open("VPDf1");
        EXPECT_EQ(tables.label_patm->caption(), "Patm : 101.325 kPa") << text;
    }
    EXPECT_TRUE(front_end.boxes.empty());
    EXPECT_EQ(front_end.modal_forms_shown.size(), 3u);
}

TEST_F(Table_Command_Test, ListingNeitherReadsNorWritesTheCurrentState) {
    const Air_State before = form.State;
    form.State.Tdb = 33;
    open("Twbf", [](Driver& driver) {
        driver.click("Btn_count");
        driver.click("Btn_exit");
    });
    EXPECT_EQ(tables.StringGrid_table->cell(1, 0), "20");
    form.State.Tdb = before.Tdb;
    EXPECT_EQ(std::memcmp(&before, &form.State, sizeof(Air_State)), 0);
}

}  // namespace
