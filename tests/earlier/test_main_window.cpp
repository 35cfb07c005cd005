#include <string>

#include "tests/earlier/moistrel_test.h"
#include "ui/containers.h"
#include "ui/layout.h"

namespace {

TEST_F(Moistrel_Test, StartsAtTwentyDegreesAndFiftyPercentShownAsSixCharacterTexts) {
    EXPECT_EQ(panel_texts(), (Names{"20", "50", "13.786", "9.1467", "0.0072", "38.544", "0.8401", "2452.60", "0.4941",
                                    "2.3387", "1.1693"}));
    EXPECT_EQ(state().Patm, 101.325f);
    EXPECT_EQ(chart().Half_Span, 10);
    for (const char* line : {"Message1", "Message2", "Message3"}) EXPECT_EQ(text(line), "") << line;
    for (int index = 0; index < 3; ++index) EXPECT_EQ(panel(index), "") << index;
    EXPECT_EQ(form.caption(), "濕氣圖");
    EXPECT_EQ(application.title(), "Moistrel");
}

TEST_F(Moistrel_Test, TheFocusStartsOnTheFirstLineSwitchSoNoHintShows) {
    EXPECT_EQ(driver.focused_name(), "Check_T");
    EXPECT_EQ(text("Message1"), "");
}

// The Enter walk relies on the panel listing its 21 labels first, then its edits in row order.
TEST_F(Moistrel_Test, ThePanelHoldsItsLabelsThenItsElevenEdits) {
    const auto& children = driver.get<ui::Group_Box>("GroupBox2").children();
    ASSERT_EQ(children.size(), 32u);
    const Names labels = {"Label1",  "Label2",  "Label3",  "Label4",  "Label5",  "Label6",  "Label7",
                          "Label8",  "Label9",  "Label10", "Label11", "Label13", "Label14", "Label15",
                          "Label16", "Label17", "Label18", "Label19", "Label20", "Label21", "Label22"};
    for (std::size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(children[i]->name(), labels[i]);
    for (std::size_t i = 0; i < Panel_Edits.size(); ++i) EXPECT_EQ(children[21 + i]->name(), Panel_Edits[i]);
}

TEST_F(Moistrel_Test, ComputedFieldsAreReadOnlyInTheirColourAndHfgIsHidden) {
    struct Case {
        const char* edit;
        bool read_only;
        bool visible;
    };
    const Case cases[] = {
        {"Edit_tdb", false, true}, {"Edit_rh", false, true}, {"Edit_twb", false, true}, {"Edit_tdp", false, true},
        {"Edit_ah", false, true},  {"Edit_h", true, true},   {"Edit_sv", true, true},   {"Edit_hfg", true, false},
        {"Edit_dos", false, true}, {"Edit_pws", true, true}, {"Edit_pw", false, true},
    };
    for (const Case& c : cases) {
        const auto& edit = driver.get<ui::Edit>(c.edit);
        EXPECT_EQ(edit.read_only(), c.read_only) << c.edit;
        EXPECT_EQ(edit.visible(), c.visible) << c.edit;
        if (c.read_only) {
            EXPECT_EQ(edit.color(), ui::Color_Inactive_Caption_Text) << c.edit;
        }
        EXPECT_EQ(edit.bounds(), (ui::Rect{88, edit.bounds().top, 65, 21})) << c.edit;
    }
    EXPECT_FALSE(driver.get<ui::Label>("Label8").visible());
    EXPECT_FALSE(driver.get<ui::Check_Box>("Check_Hfg").visible());
}

TEST_F(Moistrel_Test, WindowGroupsMenusAndStatusBarAreLaidOutAsDesigned) {
    struct Group {
        const char* name;
        ui::Rect bounds;
        const char* caption;
    };
    const Group groups[] = {
        {"GroupBox1", {696, 312, 89, 121}, "格線"},        {"GroupBox2", {584, 0, 201, 225}, "Psy"},
        {"GroupBox3", {584, 312, 105, 185}, "濕氣圖調整"}, {"Button1", {712, 456, 65, 25}, "離開"},
        {"GroupBox4", {584, 232, 201, 73}, "Message"},
    };
    const auto& tab_list = form.tab_list();
    ASSERT_GE(tab_list.size(), 5u);
    for (std::size_t order = 0; order < 5; ++order) {
        EXPECT_EQ(tab_list[order]->name(), groups[order].name) << "tab order " << order;
        EXPECT_EQ(tab_list[order]->bounds(), groups[order].bounds) << groups[order].name;
        EXPECT_EQ(tab_list[order]->caption(), groups[order].caption) << groups[order].name;
    }
    const auto& panels = driver.get<ui::Status_Bar>("StatusBar1").panels();
    ASSERT_EQ(panels.size(), 3u);
    EXPECT_EQ(panels[0].width, 250);
    EXPECT_EQ(panels[1].width, 150);
    EXPECT_EQ(panels[2].width, 400);

    Names menus;
    for (const auto& menu : form.main_menu()->menus()) {
        menus.push_back(menu->caption());
        for (const auto& item : menu->items()) menus.push_back(item->caption());
    }
    EXPECT_EQ(menus, (Names{"設定", "大氣壓力設定", "關於", "關於", "離開", "離開"}));
    EXPECT_EQ(form.main_menu()->find("M_exit")->action(), &driver.action("Exit"));
    EXPECT_EQ(driver.action("Exit").hint(), "結束程式");
    EXPECT_EQ(driver.action("DrawPsy").caption(), "DrawPsy");
    EXPECT_EQ(text("Move_Label"), "2");
    EXPECT_EQ(driver.get<ui::Track_Bar>("MoveBar").position(), 2);
}

TEST_F(Moistrel_Test, TheStepBarShowsItsStep) {
    driver.move_track_bar("MoveBar", 7);
    EXPECT_EQ(text("Move_Label"), "7");
}

TEST_F(Moistrel_Test, TheExitButtonEndsTheProgram) {
    driver.click("Button1");
    EXPECT_TRUE(application.terminated());
}

TEST_F(Moistrel_Test, TheMenuExitEndsTheProgramToo) {
    driver.menu("M_exit");
    EXPECT_TRUE(application.terminated());
}

TEST_F(Moistrel_Test, AboutShowsTheAboutBox) {
    front_end.answer_next_modal([](ui::Form& box) {
        EXPECT_EQ(box.caption(), "關於");
        test_support::Driver(box).click("OKButton");
    });
    driver.menu("M_about");
    EXPECT_EQ(front_end.modal_forms_shown, (Names{"AboutBox"}));
    EXPECT_EQ(about_box.get<ui::Label>("ProductName").caption(), "Product Name : Moistrel");
    EXPECT_EQ(about_box.get<ui::Label>("Version").caption(), "Version : 0.9");
}

}  // namespace
