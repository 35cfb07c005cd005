#include <string>
#include <string_view>

#include "dialogs/status.h"
#include "ui/layout.h"

namespace dialogs {

// The settings dialog's layout as data, in creation order.
namespace {

using Control_Layout = ui::layout::Control_Layout<Tconfig>;
using Layout = ui::layout::Layout<Tconfig>;
using Layout_Entry = Layout::Entry;

constexpr ui::layout::Window_Layout Window = {
    .caption = "Set Patm.", .client_width = 382, .client_height = 118, .minimize_box = false};

// The group boxes and all they hold share one font.
constexpr ui::layout::Font_Layout Group_Font = {.name = "MS Sans Serif", .height = 13};
constexpr int Label_Height = 16;

constexpr Layout_Entry Window_Entries[] = {
    Control_Layout{.field = &Tconfig::OKBtn,
                   .name = "OKBtn",
                   .bounds = {300, 24, 75, 25},
                   .caption = "OK",
                   .button = {.modal_result = ui::Mr_Ok}},
    Control_Layout{.field = &Tconfig::CancelBtn,
                   .name = "CancelBtn",
                   .bounds = {300, 70, 75, 25},
                   .caption = "Cancel",
                   .button = {.modal_result = ui::Mr_Cancel, .is_cancel = true}},
    Control_Layout{.field = &Tconfig::GroupBox1,
                   .name = "GroupBox1",
                   .bounds = {8, 8, 153, 105},
                   .caption = "Atmospheric Pressure",
                   .font = Group_Font},
    Control_Layout{.field = &Tconfig::GroupBox2,
                   .name = "GroupBox2",
                   .bounds = {168, 8, 121, 105},
                   .caption = "Elevation",
                   .font = Group_Font},
};

// An edit with its starting text, or the label of its unit, in the groups' font.
template <class Control>
constexpr Control_Layout unit_control(Control* Tconfig::*field, std::string_view name, ui::Rect bounds,
                                      std::string_view caption) {
    return {.field = field, .name = name, .bounds = bounds, .caption = caption, .font = Group_Font};
}

// Each edit with the unit label beside it.
constexpr Layout_Entry Pressure_Entries[] = {
    unit_control(&Tconfig::edit_patm, "edit_patm", {16, 28, 73, 24}, "101.325"),
    unit_control(&Tconfig::Label2, "Label2", {105, 33, 24, Label_Height}, "kPa"),
    unit_control(&Tconfig::edit_psi, "edit_psi", {16, 60, 73, 24}, "14.695"),
    unit_control(&Tconfig::Label3, "Label3", {103, 65, 18, Label_Height}, "psi"),
};

constexpr Layout_Entry Elevation_Entries[] = {
    unit_control(&Tconfig::edit_m, "edit_m", {8, 24, 73, 24}, "0"),
    unit_control(&Tconfig::Label4, "Label4", {94, 24, 12, Label_Height}, "m"),
    unit_control(&Tconfig::edit_ft, "edit_ft", {8, 60, 73, 24}, "0"),
    unit_control(&Tconfig::Label5, "Label5", {96, 65, 10, Label_Height}, "ft"),
};

constexpr Layout::Container Containers[] = {
    {std::monostate{}, Window_Entries},
    {&Tconfig::GroupBox1, Pressure_Entries},
    {&Tconfig::GroupBox2, Elevation_Entries},
};

}  // namespace

void Tconfig::Create_Layout() {
    ui::layout::apply_window(*this, Window);
    Layout::create(*this, Containers);
}

}  // namespace dialogs
