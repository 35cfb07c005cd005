#include <cstring>

#include "tests/main/tables_menu_test.h"

using state::Air_State;
using tables::Table_twb;

namespace {

using Driver = test_support::Driver;

using Table_Command_Test = Tables_Menu_Test;

TEST_F(Table_Command_Test, EveryTablesEntryOpensTheWindowOnItsSheetWithThePressure) {
    for (std::size_t i = 0; i < Table_Entries.size(); ++i)
        EXPECT_EQ(shown_page(Table_Entries[i]), static_cast<int>(i)) << Table_Entries[i];
    EXPECT_EQ(front_end.modal_forms_shown, Names(Table_Entries.size(), "psytable"));
    EXPECT_EQ(tables.label_patm->caption(), "Patm : 101.325 kPa");
    EXPECT_TRUE(front_end.boxes.empty());
}

// A limit edit left with a text that is no number keeps the focus, and the window is closed so.
// The next entry switches the page of the hidden window, which holds no focus: no exit runs then,
// every entry shows the window on its own page, and the text is refused again only when the
// user comes back to its edit and leaves it.
TEST_F(Table_Command_Test, AWindowClosedInARefusedEditStillOpensFromEveryEntry) {
    const Names refused = {"'1-2' is not a valid floating point value."};
    open("VPDf1", [](Driver& driver) {
        driver.enter_text("Edit_vpd11tdb", "1-2");
        driver.tab();
        EXPECT_EQ(driver.focused_name(), "Edit_vpd11tdb");
        driver.close();
    });
    EXPECT_EQ(front_end.take_box_texts(), refused);
    for (std::size_t i = 0; i < Table_Entries.size(); ++i) {
        EXPECT_EQ(shown_page(Table_Entries[i]), static_cast<int>(i)) << Table_Entries[i];
        EXPECT_EQ(tables.label_patm->caption(), "Patm : 101.325 kPa") << Table_Entries[i];
    }
    EXPECT_EQ(front_end.modal_forms_shown.size(), Table_Entries.size() + 1);
    EXPECT_TRUE(front_end.boxes.empty());

    open("VPDf1", [&refused, this](Driver& driver) {
        driver.press_into("Edit_vpd11tdb");
        EXPECT_TRUE(front_end.boxes.empty()) << "entering the edit refuses nothing";
        driver.click("Btn_exit");
        EXPECT_EQ(front_end.take_box_texts(), refused);
        EXPECT_EQ(driver.focused_name(), "Edit_vpd11tdb");
        EXPECT_EQ(driver.text("Edit_vpd11tdb"), "1-2");
        driver.close();
    });
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
    EXPECT_EQ(state().Patm, 101.325f);
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
    const Air_State before = state();
    forced_state().Tdb = 33;
    open("Twbf", [](Driver& driver) {
        driver.click("Btn_count");
        driver.click("Btn_exit");
    });
    EXPECT_EQ(tables.StringGrid_table->cell(1, 0), "20");
    forced_state().Tdb = before.Tdb;
    EXPECT_EQ(std::memcmp(&before, &state(), sizeof(Air_State)), 0);
}

}  // namespace
