#include <string>

#include "earlier/hint_lines.h"
#include "tests/earlier/moistrel_test.h"

namespace {

// At the start state the computed ranges come from Tdb 20 and Pws 2.3387 kPa.
TEST_F(Moistrel_Test, EnteringAFieldShowsItsNameAndRange) {
    struct Case {
        const char* edit;
        const char* line1;
        const char* line2;
    };
    const Case cases[] = {
        {"Edit_tdb", "乾球溫度", "適用範圍:-40 ℃ ∼ 70 ℃"},
        {"Edit_rh", "相對溼度", "適用範圍:0 ％ ∼ 100 ％"},
        {"Edit_twb", "濕球溫度", "適用範圍: 5.95 ℃ ∼ 20.00 ℃"},
        {"Edit_tdp", "露點溫度", "適用範圍: -30.77 ℃ ∼ 20.00 ℃"},
        {"Edit_ah", "絕對溼度", "適用範圍: 0 kg/kg∼0.0147 kg/kg"},
        {"Edit_dos", "Degree of Saturation", "適用範圍: 0.0∼1.0"},
        {"Edit_pw", "蒸氣壓", "適用範圍: 0 kPa∼2.3388 kPa"},
    };
    for (const Case& c : cases) {
        // A key that is no number puts the request on the third line.
        driver.press_into("Edit_h");
        driver.key('a');
        const std::string kept = text("Message3");
        ASSERT_NE(kept, "");
        driver.press_into(c.edit);
        EXPECT_EQ(text("Message1"), c.line1) << c.edit;
        EXPECT_EQ(text("Message2"), c.line2) << c.edit;
        EXPECT_EQ(text("Message3"), kept) << c.edit;
        driver.press_into("Check_T");
    }
}

TEST_F(Moistrel_Test, ComputedFieldsWriteNoHint) {
    for (const char* edit : {"Edit_h", "Edit_sv", "Edit_pws"}) {
        driver.press_into("Edit_tdb");
        ASSERT_EQ(text("Message1"), "乾球溫度");
        driver.press_into(edit);
        EXPECT_EQ(text("Message1"), "乾球溫度") << edit;
    }
}

TEST_F(Moistrel_Test, ARefusalStaysBelowTheNextFieldsHint) {
    driver.enter_text("Edit_tdb", "70.01");
    driver.tab();
    EXPECT_EQ(driver.focused_name(), "Edit_rh");
    EXPECT_EQ(text("Message1"), "相對溼度");
    EXPECT_EQ(text("Message3"), "溫度輸入值太高，請重新輸入");
}

TEST_F(Moistrel_Test, RangesFollowTheStoredState) {
    driver.enter_text("Edit_tdb", "30");
    driver.tab();
    driver.press_into("Edit_pw");
    EXPECT_EQ(text("Message2"), "適用範圍: 0 kPa∼4.2460 kPa");
}

TEST_F(Moistrel_Test, HoveringOverAPartOfTheWindowExplainsIt) {
    struct Case {
        const char* control;
        std::string_view hint;
    };
    const Case cases[] = {
        {"GroupBox2", moistrel::hover_text::State_Panel},      {"GroupBox1", moistrel::hover_text::Line_Switches},
        {"GroupBox3", moistrel::hover_text::Chart_Adjustment}, {"GroupBox4", moistrel::hover_text::Messages},
        {"Button1", moistrel::hover_text::Exit_Button},
    };
    for (const Case& c : cases) {
        driver.mouse_move(c.control, 3, 3);
        EXPECT_EQ(panel(1), c.hint) << c.control;
    }
    EXPECT_EQ(moistrel::hover_text::State_Panel, "輸入乾球溫度與另一參數。");
    EXPECT_EQ(moistrel::hover_text::Exit_Button, "結束程式。");
}

TEST_F(Moistrel_Test, TheBackgroundEmptiesThePromptAndTheReadoutButNotThePoint) {
    driver.mouse_down("Chart_Image", 275, 300);
    driver.mouse_move("Chart_Image", 300, 200);
    const std::string point = panel(0);
    for (int index = 0; index < 3; ++index) ASSERT_NE(panel(index), "") << index;
    driver.mouse_move("Form1", 700, 500);
    EXPECT_EQ(panel(0), point);
    EXPECT_EQ(panel(1), "");
    EXPECT_EQ(panel(2), "");
}

}  // namespace
