#include "dialogs/about.h"

#include <string>
#include <string_view>

#include "ui/layout.h"
#include "ui/program_icon.h"

namespace dialogs {

namespace {

using Control_Layout = ui::layout::Control_Layout<TAboutBox>;
using Layout = ui::layout::Layout<TAboutBox>;
using Layout_Entry = Layout::Entry;

constexpr ui::layout::Font_Layout Box_Font = {.name = "MS Sans Serif", .height = 11};
constexpr ui::Color Grey_Text = ui::rgb(109, 109, 109);

constexpr ui::layout::Window_Layout Window = {
    .caption = "About", .client_width = 329, .client_height = 240, .font = Box_Font, .minimize_box = false};

constexpr std::string_view Contact_Lines[] = {
    "Hygrodex development team",   "Moist-air engineering group", "100 Example Road",
    "Example City 00000",          "Tel: +00 00 0000 0000",       "Fax: +00 00 0000 0001",
    "E-mail: support@example.org",
};

constexpr Control_Layout label(ui::Label* TAboutBox::*field, std::string_view name, ui::Rect bounds,
                               std::string_view caption, ui::layout::Font_Layout font = Box_Font) {
    return {.field = field, .name = name, .bounds = bounds, .caption = caption, .font = font};
}

constexpr Layout_Entry Window_Entries[] = {
    Control_Layout{.field = &TAboutBox::Panel1, .name = "Panel1", .bounds = {8, 8, 313, 225}, .font = Box_Font},
};

constexpr Layout_Entry Panel_Entries[] = {
    Control_Layout{.field = &TAboutBox::ProgramIcon, .name = "ProgramIcon", .bounds = {8, 8, 100, 97}, .stretch = true},
    label(&TAboutBox::ProductName, "ProductName", {164, 24, 100, 23}, "Hygrodex",
          {.name = "MS Sans Serif", .height = 19, .bold = true}),
    label(&TAboutBox::Version, "Version", {176, 56, 70, 13}, "Version : 1.2"),
    label(&TAboutBox::Label1, "Label1", {16, 112, 40, 13}, "Authors:"),
    // A label cannot take the focus or be edited; its text is greyed as a disabled memo's.
    Control_Layout{.field = &TAboutBox::Memo1,
                   .name = "Memo1",
                   .bounds = {58, 112, 249, 105},
                   .color = ui::Color_Button_Face,
                   .font = {.name = "Arial", .height = 11, .color = Grey_Text}},
    Control_Layout{.field = &TAboutBox::OKButton,
                   .name = "OKButton",
                   .bounds = {248, 184, 58, 25},
                   .caption = "OK",
                   .button = {.modal_result = ui::Mr_Ok, .is_default = true}},
};

constexpr Layout::Container Containers[] = {
    {std::monostate{}, Window_Entries},
    {&TAboutBox::Panel1, Panel_Entries},
};

}  // namespace

TAboutBox::TAboutBox(ui::Application& application) : ui::Form(application, "AboutBox") {
    Create_Layout();
    ui::Draw_Program_Icon(ProgramIcon->canvas(), ProgramIcon->bounds().width, ProgramIcon->bounds().height);
    Fill_Contacts();
}

void TAboutBox::Create_Layout() {
    ui::layout::apply_window(*this, Window);
    Layout::create(*this, Containers);
}

void TAboutBox::Fill_Contacts() {
    std::string lines;
    for (std::string_view line : Contact_Lines) {
        if (!lines.empty()) lines += '\n';
        lines += line;
    }
    Memo1->set_caption(std::move(lines));
}

}  // namespace dialogs
