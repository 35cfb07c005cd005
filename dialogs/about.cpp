#include "dialogs/about.h"

#include <string>
#include <string_view>

#include "dialogs/program_icon.h"

namespace {

constexpr std::string_view Caption = "About";
constexpr int Client_Width = 329;
constexpr int Client_Height = 240;
constexpr ui::Color Grey_Text = ui::rgb(109, 109, 109);

constexpr std::string_view Contact_Lines[] = {
    "Hygrodex development team",
    "Moist-air engineering group",
    "100 Example Road",
    "Example City 00000",
    "Tel: +00 00 0000 0000",
    "Fax: +00 00 0000 0001",
    "E-mail: support@example.org",
};

ui::Label& add_label(TAboutBox& box, std::string name, ui::Rect bounds, std::string caption) {
    auto& label = box.create<ui::Label>(box.Panel1, std::move(name));
    label.set_bounds(bounds);
    label.set_caption(std::move(caption));
    label.set_font(box.font());
    return label;
}

}  // namespace

TAboutBox::TAboutBox(ui::Application& application) : ui::Form(application, "AboutBox") {
    Create_Layout();
    Fill_Contacts();
}

void TAboutBox::Create_Layout() {
    set_caption(std::string(Caption));
    set_bounds({0, 0, Client_Width, Client_Height});
    set_color(ui::Color_Button_Face);
    set_font(ui::font_of_height("MS Sans Serif", 11));

    Panel1 = &create<ui::Panel>(nullptr, "Panel1");
    Panel1->set_bounds({8, 8, 313, 225});
    Panel1->set_font(font());

    ProgramIcon = &create<ui::Image>(Panel1, "ProgramIcon");
    ProgramIcon->set_bounds({8, 8, 100, 97});
    ProgramIcon->set_stretch(true);
    Draw_Program_Icon(ProgramIcon->canvas(), ProgramIcon->bounds().width, ProgramIcon->bounds().height);

    ProductName = &add_label(*this, "ProductName", {164, 24, 100, 23}, "Hygrodex");
    ProductName->set_font(ui::font_of_height("MS Sans Serif", 19, true));
    Version = &add_label(*this, "Version", {176, 56, 70, 13}, "Version : 1.2");
    Label1 = &add_label(*this, "Label1", {16, 112, 40, 13}, "Authors:");

    Memo1 = &add_label(*this, "Memo1", {58, 112, 249, 105}, "");
    // A label cannot take the focus or be edited; its text is greyed as a disabled memo's.
    ui::Font memo_font = ui::font_of_height("Arial", 11);
    memo_font.color = Grey_Text;
    Memo1->set_font(memo_font);
    Memo1->set_transparent(false);
    Memo1->set_color(ui::Color_Button_Face);

    OKButton = &create<ui::Button>(Panel1, "OKButton");
    OKButton->set_bounds({248, 184, 58, 25});
    OKButton->set_caption("OK");
    OKButton->set_default(true);
    OKButton->set_modal_result(ui::Mr_Ok);
}

void TAboutBox::Fill_Contacts() {
    std::string lines;
    for (std::string_view line : Contact_Lines) {
        if (!lines.empty()) lines += '\n';
        lines += line;
    }
    Memo1->set_caption(std::move(lines));
}
