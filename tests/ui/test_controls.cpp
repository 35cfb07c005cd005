#include <stdexcept>

#include "tests/ui/fixture.h"

namespace {

using Control_Test = Window_Test;

TEST_F(Control_Test, AChildListHoldsNonWindowedControlsFirstThenWindowedOnesEachInCreationOrder) {
    auto& group = form.create<ui::Group_Box>(nullptr, "Group");
    form.create<ui::Label>(&group, "Label1");
    form.create<ui::Edit>(&group, "Edit1");
    form.create<ui::Speed_Button>(&group, "Speed1");
    form.create<ui::Edit>(&group, "Edit2");
    form.create<ui::Label>(&group, "Label2");
    Log names;
    for (int i = 0; i < group.child_count(); ++i) names.push_back(group.child(i).name());
    EXPECT_EQ(names, (Log{"Label1", "Speed1", "Label2", "Edit1", "Edit2"}));
}

TEST_F(Control_Test, ACheckBoxClicksOnEveryChangeOfItsTickFromCodeToo) {
    auto& box = form.create<ui::Check_Box>(nullptr, "Box");
    log_click(box);
    box.set_checked(true);
    box.set_checked(true);
    box.set_checked(false);
    EXPECT_EQ(log, (Log{"click Box", "click Box"}));
    form.show();
    log.clear();
    driver.click("Box");
    EXPECT_TRUE(box.checked());
    EXPECT_EQ(log, (Log{"click Box"}));
}

TEST_F(Control_Test, ATrackBarFiresOnChangeOnEveryChangeOfPosition) {
    auto& bar = form.create<ui::Track_Bar>(nullptr, "Bar");
    bar.set_range(1, 10);
    int changes = 0;
    bar.OnChange = [&](ui::Control&) { ++changes; };
    bar.set_position(2);
    bar.set_position(2);
    bar.set_position(40);
    EXPECT_EQ(bar.position(), 10);
    form.show();
    driver.press(ui::Key::Home);
    EXPECT_EQ(bar.position(), 1);
    EXPECT_EQ(changes, 3);
}

TEST_F(Control_Test, SpeedButtonsOfAGroupReleaseEachOtherAndAlwaysClick) {
    auto& one = form.create<ui::Speed_Button>(nullptr, "One");
    auto& two = form.create<ui::Speed_Button>(nullptr, "Two");
    for (ui::Speed_Button* b : {&one, &two}) {
        b->set_group_index(1);
        b->set_allow_all_up(true);
        log_click(*b);
    }
    one.set_down(true);
    form.show();
    driver.click("Two");
    EXPECT_FALSE(one.down());
    EXPECT_TRUE(two.down());
    driver.click("Two");
    EXPECT_FALSE(two.down()) << "all up is allowed";
    EXPECT_EQ(log, (Log{"click Two", "click Two"}));
    EXPECT_EQ(form.focused(), nullptr) << "speed buttons take no focus";
}

TEST_F(Control_Test, AModalResultIsSetBeforeTheClickAndTheFormClosesEvenWhenTheHandlerFails) {
    auto& dialog = app.create_form<ui::Form>("Dialog");
    auto& ok = dialog.create<ui::Button>(nullptr, "OKBtn");
    ok.set_modal_result(ui::Mr_Ok);
    int result_seen_in_click = -1;
    ok.OnClick = [&](ui::Control&) {
        result_seen_in_click = dialog.modal_result();
        throw std::runtime_error("Floating point overflow");
    };
    front_end.answer_next_modal([](ui::Form& shown) { test_support::Driver(shown).click("OKBtn"); });
    EXPECT_EQ(dialog.show_modal(), ui::Mr_Ok);
    EXPECT_EQ(result_seen_in_click, ui::Mr_Ok);
    EXPECT_FALSE(dialog.visible());
    EXPECT_EQ(front_end.take_box_texts(), (Log{"Floating point overflow."}));
}

TEST_F(Control_Test, ClosingAModalFormCancelsItAndClosingTheMainFormEndsTheProgram) {
    auto& dialog = app.create_form<ui::Form>("Dialog");
    front_end.answer_next_modal([](ui::Form& shown) { test_support::Driver(shown).close(); });
    EXPECT_EQ(dialog.show_modal(), ui::Mr_Cancel);
    driver.close();
    EXPECT_TRUE(app.terminated());
    EXPECT_TRUE(front_end.quit_requested);
}

TEST_F(Control_Test, AMenuItemLinkedToAnActionRunsTheAction) {
    auto& actions = form.create_action_list("ActionList1");
    auto& exit = actions.add("Exit");
    exit.OnExecute = [this](ui::Action&) { log.push_back("execute Exit"); };
    auto& menu = form.create_main_menu("MainMenu1");
    menu.add("N5", "Exit").add("M_exit", "Exit").link(exit);
    menu.find("N5")->add("M_other", "Other").OnClick = [this](ui::Menu_Item& item) { log.push_back(item.name()); };
    driver.menu("M_exit");
    driver.menu("M_other");
    EXPECT_EQ(log, (Log{"execute Exit", "M_other"}));
}

TEST(Captions, AmpersandsShowAsTheyWouldOnAMenuOrLabel) {
    EXPECT_EQ(ui::shown_caption("Lines && Curves"), "Lines & Curves");
    EXPECT_EQ(ui::shown_caption("&File"), "File");
    EXPECT_EQ(ui::shown_caption("Set Patm."), "Set Patm.");
}

}  // namespace
