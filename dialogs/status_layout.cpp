#include <string>
#include <string_view>

#include "dialogs/status.h"

// The settings dialog's layout as data, in creation order.
namespace {

constexpr std::string_view Caption = "Set Patm.";
constexpr int Client_Width = 382;
constexpr int Client_Height = 118;

// The group boxes and all they hold share one font.
constexpr std::string_view Group_Font_Name = "MS Sans Serif";
constexpr int Group_Font_Height = 13;
constexpr int Label_Height = 16;

struct Button_Spec {
    ui::Button* Tconfig::*field;
    std::string_view name;
    ui::Rect bounds;
    std::string_view caption;
    int modal_result;
    bool cancel;
};

constexpr Button_Spec Buttons[] = {
    {&Tconfig::OKBtn, "OKBtn", {300, 24, 75, 25}, "OK", ui::Mr_Ok, false},
    {&Tconfig::CancelBtn, "CancelBtn", {300, 70, 75, 25}, "Cancel", ui::Mr_Cancel, true},
};

struct Group_Spec {
    ui::Group_Box* Tconfig::*field;
    std::string_view name;
    ui::Rect bounds;
    std::string_view caption;
};

constexpr Group_Spec Groups[] = {
    {&Tconfig::GroupBox1, "GroupBox1", {8, 8, 153, 105}, "Atmospheric Pressure"},
    {&Tconfig::GroupBox2, "GroupBox2", {168, 8, 121, 105}, "Elevation"},
};

// An edit and the unit label beside it.
struct Unit_Edit_Spec {
    ui::Group_Box* Tconfig::*group;
    ui::Edit* Tconfig::*edit;
    std::string_view edit_name;
    ui::Rect edit_bounds;
    std::string_view text;
    ui::Label* Tconfig::*label;
    std::string_view label_name;
    ui::Rect label_bounds;
    std::string_view unit;
};

constexpr Unit_Edit_Spec Unit_Edits[] = {
    {&Tconfig::GroupBox1, &Tconfig::edit_patm, "edit_patm", {16, 28, 73, 24}, "101.325",
     &Tconfig::Label2, "Label2", {105, 33, 24, Label_Height}, "kPa"},
    {&Tconfig::GroupBox1, &Tconfig::edit_psi, "edit_psi", {16, 60, 73, 24}, "14.695",
     &Tconfig::Label3, "Label3", {103, 65, 18, Label_Height}, "psi"},
    {&Tconfig::GroupBox2, &Tconfig::edit_m, "edit_m", {8, 24, 73, 24}, "0",
     &Tconfig::Label4, "Label4", {94, 24, 12, Label_Height}, "m"},
    {&Tconfig::GroupBox2, &Tconfig::edit_ft, "edit_ft", {8, 60, 73, 24}, "0",
     &Tconfig::Label5, "Label5", {96, 65, 10, Label_Height}, "ft"},
};

}  // namespace

void Tconfig::Create_Layout() {
    set_caption(std::string(Caption));
    set_bounds({0, 0, Client_Width, Client_Height});
    set_color(ui::Color_Button_Face);

    for (const Button_Spec& layout : Buttons) {
        auto& button = create<ui::Button>(nullptr, std::string(layout.name));
        button.set_bounds(layout.bounds);
        button.set_caption(std::string(layout.caption));
        button.set_modal_result(layout.modal_result);
        button.set_cancel(layout.cancel);
        this->*layout.field = &button;
    }
    for (const Group_Spec& layout : Groups) {
        auto& group = create<ui::Group_Box>(nullptr, std::string(layout.name));
        group.set_bounds(layout.bounds);
        group.set_caption(std::string(layout.caption));
        group.set_font(ui::font_of_height(std::string(Group_Font_Name), Group_Font_Height));
        this->*layout.field = &group;
    }
    for (const Unit_Edit_Spec& layout : Unit_Edits) {
        ui::Group_Box* group = this->*layout.group;
        auto& edit = create<ui::Edit>(group, std::string(layout.edit_name));
        edit.set_bounds(layout.edit_bounds);
        edit.set_text(std::string(layout.text));
        edit.set_font(ui::font_of_height(std::string(Group_Font_Name), Group_Font_Height));
        this->*layout.edit = &edit;
        auto& label = create<ui::Label>(group, std::string(layout.label_name));
        label.set_bounds(layout.label_bounds);
        label.set_caption(std::string(layout.unit));
        label.set_font(ui::font_of_height(std::string(Group_Font_Name), Group_Font_Height));
        this->*layout.label = &label;
    }
}
