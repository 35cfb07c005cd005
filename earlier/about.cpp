#include "earlier/about.h"

#include "ui/layout.h"
#include "ui/program_icon.h"

namespace moistrel {

namespace {

using Control_Layout = ui::layout::Control_Layout<TAboutBox>;
using Layout = ui::layout::Layout<TAboutBox>;
using Layout_Entry = Layout::Entry;

constexpr ui::layout::Font_Layout Box_Font = {.name = "MS Sans Serif", .height = -11};

constexpr ui::layout::Window_Layout Window = {
    .caption = "關於", .client_width = 298, .client_height = 213, .font = Box_Font, .minimize_box = false};

}  // namespace

struct TAboutBox::Layout_Tables {
    static constexpr Layout_Entry Window_Entries[] = {
        Control_Layout{.field = &TAboutBox::Panel1, .name = "Panel1", .bounds = {8, 8, 281, 161}},
        Control_Layout{.field = &TAboutBox::OKButton,
                       .name = "OKButton",
                       .bounds = {111, 180, 75, 25},
                       .caption = "OK",
                       .button = {.modal_result = ui::Mr_Ok, .is_default = true}},
    };

    static constexpr Layout_Entry Panel_Entries[] = {
        Control_Layout{
            .field = &TAboutBox::ProgramIcon, .name = "ProgramIcon", .bounds = {8, 8, 80, 80}, .stretch = true},
        Control_Layout{.field = &TAboutBox::ProductName,
                       .name = "ProductName",
                       .bounds = {120, 16, 150, 13},
                       .caption = "Product Name : Moistrel"},
        Control_Layout{
            .field = &TAboutBox::Version, .name = "Version", .bounds = {120, 40, 80, 13}, .caption = "Version : 0.9"},
        Control_Layout{.field = &TAboutBox::Credit1,
                       .name = "Credit1",
                       .bounds = {8, 96, 265, 13},
                       .caption = "Moistrel development team"},
        Control_Layout{.field = &TAboutBox::Credit2,
                       .name = "Credit2",
                       .bounds = {8, 120, 265, 17},
                       .caption = "Moist-air engineering group"},
    };

    static constexpr Layout::Container Containers[] = {
        {std::monostate{}, Window_Entries},
        {&TAboutBox::Panel1, Panel_Entries},
    };
};

TAboutBox::TAboutBox(ui::Application& application) : ui::Form(application, "AboutBox") {
    Create_Layout();
    ui::Draw_Program_Icon(ProgramIcon->canvas(), ProgramIcon->bounds().width, ProgramIcon->bounds().height);
}

void TAboutBox::Create_Layout() {
    ui::layout::apply_window(*this, Window);
    Layout::create(*this, Layout_Tables::Containers);
}

}  // namespace moistrel
