#include "earlier/status.h"

#include <string_view>

#include "dialogs/patm_refusal.h"
#include "numtext/number_keys.h"
#include "ui/calling.h"
#include "ui/layout.h"

using dialogs::Refuse_Patm;

namespace moistrel {

namespace {

using Control_Layout = ui::layout::Control_Layout<Tconfig>;
using Layout = ui::layout::Layout<Tconfig>;
using Layout_Entry = Layout::Entry;

constexpr std::string_view Patm_Too_Low = "大氣壓力輸入值太低，請重新輸入";
constexpr std::string_view Patm_Too_High = "大氣壓力輸入值太高，請重新輸入";

constexpr ui::layout::Window_Layout Window = {
    .caption = "大氣壓力設定", .client_width = 384, .client_height = 179, .minimize_box = false};

constexpr ui::layout::Font_Layout Label_Font = {.name = "MS Sans Serif", .height = -13};

}  // namespace

struct Tconfig::Layout_Tables {
    static constexpr Layout_Entry Window_Entries[] = {
        Control_Layout{.field = &Tconfig::Bevel1, .name = "Bevel1", .bounds = {8, 8, 281, 161}},
        Control_Layout{.field = &Tconfig::Label1,
                       .name = "Label1",
                       .bounds = {24, 32, 56, 16},
                       .caption = "大氣壓力",
                       .font = Label_Font},
        Control_Layout{.field = &Tconfig::Label2,
                       .name = "Label2",
                       .bounds = {200, 32, 24, 16},
                       .caption = "kPa",
                       .font = Label_Font},
        Control_Layout{.field = &Tconfig::OKBtn,
                       .name = "OKBtn",
                       .bounds = {300, 8, 75, 25},
                       .caption = "OK",
                       .tab_order = 0,
                       .button = {.modal_result = ui::Mr_Ok, .is_default = true}},
        Control_Layout{.field = &Tconfig::CancelBtn,
                       .name = "CancelBtn",
                       .bounds = {300, 38, 75, 25},
                       .caption = "Cancel",
                       .tab_order = 1,
                       .button = {.modal_result = ui::Mr_Cancel, .is_cancel = true}},
        Control_Layout{.field = &Tconfig::edit_patm,
                       .name = "edit_patm",
                       .bounds = {104, 32, 89, 21},
                       .caption = "101.325",
                       .tab_order = 2},
    };

    static constexpr Layout::Container Containers[] = {{std::monostate{}, Window_Entries}};
};

Tconfig::Tconfig(ui::Application& application) : ui::Form(application, "config") {
    Create_Layout();
    edit_patm->OnKeyPress = ui::calling(this, &Tconfig::edit_patmEnter);
    OKBtn->OnClick = ui::calling(this, &Tconfig::OKBtnClick);
}

void Tconfig::Create_Layout() {
    ui::layout::apply_window(*this, Window);
    Layout::create(*this, Layout_Tables::Containers);
}

void Tconfig::edit_patmEnter(ui::Control&, char& key) {
    numtext::filter_number_key(
        key, [] {}, [] {});
}

// A text that is not a number stops at the conversion, before anything is applied; the dialog
// closes all the same, as OK set it to.
void Tconfig::OKBtnClick(ui::Control&) {
    if (Refuse_Patm(*this, *edit_patm, {Patm_Too_Low, Patm_Too_High})) return;
    if (Patm_Accepted) Patm_Accepted();
}

}  // namespace moistrel
