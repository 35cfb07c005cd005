#include <string>

#include "tests/earlier/moistrel_test.h"

namespace {

constexpr const char* Value_Request = "請輸入數值~~";

// Read-only fields included; a byte above 127 is half of a double-byte character.
TEST_F(Moistrel_Test, KeysOutsideANumberAreDroppedWithARequestInEveryField) {
    for (const std::string& name : Panel_Edits) {
        if (name == "Edit_hfg") continue;
        for (const char key : {'a', ' ', '+', 'E', '\xB7', '\xE6'}) {
            // A value taken empties the third line.
            driver.press_into("Check_T");
            enter("Edit_tdb", "20");
            ASSERT_EQ(text("Message3"), "");
            driver.press_into(name);
            const std::string before = text(name);
            driver.key(key);
            EXPECT_EQ(text(name), before) << name << " key " << static_cast<int>(key);
            EXPECT_EQ(text("Message3"), Value_Request) << name << " key " << static_cast<int>(key);
        }
    }
}

TEST_F(Moistrel_Test, NumberKeysPassButAReadOnlyFieldIgnoresThem) {
    driver.press_into("Edit_tdb");
    driver.get<ui::Edit>("Edit_tdb").select_all();
    driver.type("1-2.");
    EXPECT_EQ(text("Edit_tdb"), "1-2.");
    driver.press_into("Edit_h");
    driver.type("7");
    EXPECT_EQ(text("Edit_h"), "38.544");
    EXPECT_EQ(text("Message3"), "");
}

TEST_F(Moistrel_Test, EnterWalksThePanelPassingOverTheHiddenHfgField) {
    driver.press_into("Edit_tdb");
    Names walk;
    for (int step = 0; step < 10; ++step) {
        driver.enter();
        walk.push_back(driver.focused_name());
    }
    EXPECT_EQ(walk, (Names{"Edit_rh", "Edit_twb", "Edit_tdp", "Edit_ah", "Edit_h", "Edit_sv", "Edit_dos", "Edit_pws",
                           "Edit_pw", "Edit_tdb"}));
}

// Leaving Pw runs its exit, then Tdb's enter writes its hint.
TEST_F(Moistrel_Test, EnterInPwLeavesItAndEntersTdb) {
    driver.enter_text("Edit_pw", "0.5");
    driver.enter();
    EXPECT_EQ(driver.focused_name(), "Edit_tdb");
    EXPECT_EQ(state().Pw, 0.5f);
    EXPECT_EQ(text("Message1"), "乾球溫度");
}

}  // namespace
