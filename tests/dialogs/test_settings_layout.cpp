#include "tests/dialogs/settings_dialog_test.h"

namespace {

using Settings_Layout_Test = Settings_Dialog_Test;

TEST_F(Settings_Layout_Test, TheFormAndItsDirectChildren) {
    EXPECT_EQ(dialog.caption(), "Set Patm.");
    EXPECT_EQ(dialog.client_width(), 382);
    EXPECT_EQ(dialog.client_height(), 118);
    EXPECT_EQ(dialog.color(), ui::Color_Button_Face);
    std::vector<std::string> children;
    for (const ui::Control* child : dialog.children()) children.push_back(child->name());
    EXPECT_EQ(children, (Texts{"OKBtn", "CancelBtn", "GroupBox1", "GroupBox2"}));
    std::vector<std::string> tab_order;
    for (const ui::Win_Control* child : dialog.tab_list()) tab_order.push_back(child->name());
    EXPECT_EQ(tab_order, children) << "tab order follows creation order";
}

TEST_F(Settings_Layout_Test, ButtonsCloseWithTheirResultsAndOnlyCancelTakesAKey) {
    const struct {
        ui::Button* button;
        ui::Rect bounds;
        const char* caption;
        int modal_result;
        bool cancel;
    } cases[] = {
        {dialog.OKBtn, {300, 24, 75, 25}, "OK", ui::Mr_Ok, false},
        {dialog.CancelBtn, {300, 70, 75, 25}, "Cancel", ui::Mr_Cancel, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button->name());
        EXPECT_EQ(c.button->bounds(), c.bounds);
        EXPECT_EQ(c.button->caption(), c.caption);
        EXPECT_EQ(c.button->modal_result(), c.modal_result);
        EXPECT_EQ(c.button->is_cancel(), c.cancel);
        EXPECT_FALSE(c.button->is_default()) << "Enter must reach the edits' key filter";
    }
}

TEST_F(Settings_Layout_Test, GroupBoxesHoldTheEditsAndTheirUnitLabels) {
    const struct {
        const char* name;
        const char* parent;
        ui::Rect bounds;
        const char* text;
    } cases[] = {
        {"GroupBox1", "config", {8, 8, 153, 105}, "Atmospheric Pressure"},
        {"GroupBox2", "config", {168, 8, 121, 105}, "Elevation"},
        {"edit_patm", "GroupBox1", {16, 28, 73, 24}, "101.325"},
        {"edit_psi", "GroupBox1", {16, 60, 73, 24}, "14.695"},
        {"edit_m", "GroupBox2", {8, 24, 73, 24}, "0"},
        {"edit_ft", "GroupBox2", {8, 60, 73, 24}, "0"},
        {"Label2", "GroupBox1", {105, 33, 0, 0}, "kPa"},
        {"Label3", "GroupBox1", {103, 65, 0, 0}, "psi"},
        {"Label4", "GroupBox2", {94, 24, 0, 0}, "m"},
        {"Label5", "GroupBox2", {96, 65, 0, 0}, "ft"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ui::Control* control = dialog.find(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parent()->name(), c.parent);
        EXPECT_EQ(control->bounds().left, c.bounds.left);
        EXPECT_EQ(control->bounds().top, c.bounds.top);
        if (c.bounds.width != 0) {
            EXPECT_EQ(control->bounds(), c.bounds);
        }
        EXPECT_EQ(control->text(), c.text);
        if (control->parent() != &dialog || control->kind() == ui::Control_Kind::Group_Box) {
            EXPECT_EQ(control->font().name, "MS Sans Serif");
            EXPECT_EQ(control->font().height, 13);
        }
    }
    EXPECT_EQ(dialog.GroupBox1->tab_list(), (std::vector<ui::Win_Control*>{dialog.edit_patm, dialog.edit_psi}));
    EXPECT_EQ(dialog.GroupBox2->tab_list(), (std::vector<ui::Win_Control*>{dialog.edit_m, dialog.edit_ft}));
}

}  // namespace
