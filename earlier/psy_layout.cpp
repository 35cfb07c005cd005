#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "earlier/psy.h"
#include "ui/layout.h"

// Moistrel's main window as data: every container lists its controls in creation order.
namespace moistrel {

namespace {

template <class T>
using Field = ui::layout::Field<TForm1, T>;
using Control_Layout = ui::layout::Control_Layout<TForm1>;
using Layout = ui::layout::Layout<TForm1>;
using Layout_Entry = Layout::Entry;

// Names and units of the state panel, headings and the like: the window keeps no field for them.
constexpr Field<ui::Label> Unheld_Label = nullptr;

constexpr int Client_Width = 792;
constexpr int Client_Height = 523;
constexpr int Chart_Width = 577;
constexpr int Chart_Height = 497;
constexpr int Status_Height = 20;
constexpr int Status_Panel_Widths[] = {250, 150, 400};

constexpr ui::layout::Font_Layout Window_Font = {.name = "MS Sans Serif", .height = -11};

constexpr ui::layout::Window_Layout Main_Window = {
    .caption = "濕氣圖", .client_width = Client_Width, .client_height = Client_Height, .font = Window_Font};

constexpr Control_Layout group(Field<ui::Group_Box> field, std::string_view name, ui::Rect bounds,
                               std::string_view caption, int tab_order) {
    return {.field = field, .name = name, .bounds = bounds, .caption = caption, .tab_order = tab_order};
}

constexpr Control_Layout check_box(Field<ui::Check_Box> field, std::string_view name, std::string_view caption, int top,
                                   bool checked, bool visible = true) {
    return {.field = field,
            .name = name,
            .bounds = {8, top, 73, 17},
            .caption = caption,
            .checked = checked,
            .visible = visible};
}

constexpr int Edit_Left = 88;
constexpr int Edit_Width = 65;
constexpr int Edit_Height = 21;
constexpr int Unit_Left = 160;
constexpr int Label_Height = 13;
// Room for a name of up to five Chinese characters and its blanks.
constexpr int Name_Label_Right = 80;

// A row's name label, centred in its width.
constexpr Control_Layout name_label(Field<ui::Label> field, std::string_view name, int left, int top,
                                    std::string_view caption, bool visible = true) {
    return {.field = field,
            .name = name,
            .bounds = {left, top, Name_Label_Right - left, Label_Height},
            .caption = caption,
            .alignment = ui::Alignment::Center,
            .visible = visible};
}

constexpr Control_Layout unit_label(std::string_view name, int top, std::string_view caption) {
    return {.field = Unheld_Label, .name = name, .bounds = {Unit_Left, top, 36, Label_Height}, .caption = caption};
}

constexpr Control_Layout edit(Field<ui::Edit> field, std::string_view name, int top, bool read_only = false,
                              bool visible = true) {
    return {.field = field,
            .name = name,
            .bounds = {Edit_Left, top, Edit_Width, Edit_Height},
            .color = read_only ? ui::Color_Inactive_Caption_Text : ui::layout::Kind_Color,
            .read_only = read_only,
            .visible = visible};
}

constexpr bool Read_Only = true;
constexpr bool Hidden = false;

constexpr Control_Layout glyph_button(Field<ui::Button> field, std::string_view name, int left, int top, int size,
                                      std::string_view glyph) {
    return {.field = field, .name = name, .bounds = {left, top, size, size}, .glyph = glyph};
}

constexpr int Move_Size = 25;
constexpr int Zoom_Size = 33;

constexpr Control_Layout message(Field<ui::Label> field, std::string_view name, int top) {
    return ui::layout::message_line<TForm1>(field, name, top, ui::Color_Button_Highlight);
}

using Action_Layout = ui::layout::Action_Layout<TForm1>;
using Menu_Item_Layout = ui::layout::Menu_Item_Layout<TForm1>;
using Menu_Layout = ui::layout::Menu_Layout<TForm1>;

}  // namespace

// The tables name the window's private fields, so they are its own.
struct TForm1::Layout_Tables {
    static constexpr Layout_Entry Window_Entries[] = {
        Control_Layout{.field = &TForm1::Psy_Bevel, .name = "Psy_Bevel", .bounds = {0, 0, Chart_Width, Chart_Height}},
        Control_Layout{.field = &TForm1::Chart_Image,
                       .name = "Chart_Image",
                       .bounds = {0, 0, Chart_Width, Chart_Height},
                       .stretch = true},
        group(&TForm1::GroupBox1, "GroupBox1", {696, 312, 89, 121}, "格線", 0),
        group(&TForm1::GroupBox2, "GroupBox2", {584, 0, 201, 225}, "Psy", 1),
        group(&TForm1::GroupBox3, "GroupBox3", {584, 312, 105, 185}, "濕氣圖調整", 2),
        Control_Layout{.field = &TForm1::Button1, .name = "Button1", .bounds = {712, 456, 65, 25}, .tab_order = 3},
        group(&TForm1::GroupBox4, "GroupBox4", {584, 232, 201, 73}, "Message", 4),
        Control_Layout{.field = &TForm1::StatusBar1,
                       .name = "StatusBar1",
                       .bounds = {0, Client_Height - Status_Height, Client_Width, Status_Height},
                       .panel_widths = Status_Panel_Widths},
    };

    // ---- The line switches ----

    static constexpr Layout_Entry Line_Switch_Entries[] = {
        check_box(&TForm1::Check_T, "Check_T", "溫度", 16, true),
        check_box(&TForm1::Check_RH, "Check_RH", "相對濕度", 32, true),
        check_box(&TForm1::Check_AH, "Check_AH", "絕對溼度", 48, false),
        check_box(&TForm1::Check_H, "Check_H", "焓", 80, false),
        check_box(&TForm1::Check_SV, "Check_SV", "比容", 96, false),
        check_box(&TForm1::Check_Hfg, "Check_Hfg", "蒸氣壓", 64, false, false),
    };

    // ---- The state panel ----

    static constexpr Layout_Entry State_Panel_Entries[] = {
        name_label(Unheld_Label, "Label1", 16, 16, "  乾球溫度 "),
        name_label(Unheld_Label, "Label2", 16, 56, "  相對濕度 "),
        name_label(Unheld_Label, "Label3", 16, 72, "  濕球溫度 "),
        name_label(Unheld_Label, "Label4", 16, 88, "  露點溫度 "),
        name_label(Unheld_Label, "Label5", 16, 104, "  絕對濕度 "),
        name_label(Unheld_Label, "Label6", 32, 120, " 焓 "),
        name_label(Unheld_Label, "Label7", 24, 136, " 比容 "),
        name_label(&TForm1::Label8, "Label8", 32, 152, "Hfg", Hidden),
        name_label(Unheld_Label, "Label9", 32, 168, "dos"),
        name_label(Unheld_Label, "Label10", 8, 184, "  飽和蒸氣壓  "),
        name_label(Unheld_Label, "Label11", 24, 200, " 蒸氣壓 "),
        unit_label("Label13", 24, "℃"),
        unit_label("Label14", 72, "℃"),
        unit_label("Label15", 88, "℃"),
        unit_label("Label16", 56, "%"),
        unit_label("Label17", 104, "kg/kg"),
        unit_label("Label18", 136, "m3/kg"),
        unit_label("Label19", 184, "kPa"),
        unit_label("Label20", 200, "kPa"),
        unit_label("Label21", 120, "kJ/kg"),
        unit_label("Label22", 168, "kg/kg"),
        edit(&TForm1::Edit_tdb, "Edit_tdb", 16),
        edit(&TForm1::Edit_rh, "Edit_rh", 56),
        edit(&TForm1::Edit_twb, "Edit_twb", 72),
        edit(&TForm1::Edit_tdp, "Edit_tdp", 88),
        edit(&TForm1::Edit_ah, "Edit_ah", 104),
        edit(&TForm1::Edit_h, "Edit_h", 120, Read_Only),
        edit(&TForm1::Edit_sv, "Edit_sv", 136, Read_Only),
        edit(&TForm1::Edit_hfg, "Edit_hfg", 152, Read_Only, Hidden),
        edit(&TForm1::Edit_dos, "Edit_dos", 168),
        edit(&TForm1::Edit_pws, "Edit_pws", 184, Read_Only),
        edit(&TForm1::Edit_pw, "Edit_pw", 200),
    };

    // Enter's walk: the panel's edits top to bottom, round to the first; the hidden Hfg takes no focus
    // and is passed over.
    static constexpr Field<ui::Edit> Panel_Walk[] = {
        &TForm1::Edit_tdb, &TForm1::Edit_rh,  &TForm1::Edit_twb, &TForm1::Edit_tdp, &TForm1::Edit_ah, &TForm1::Edit_h,
        &TForm1::Edit_sv,  &TForm1::Edit_hfg, &TForm1::Edit_dos, &TForm1::Edit_pws, &TForm1::Edit_pw, &TForm1::Edit_tdb,
    };

    // ---- Chart adjustment ----

    static constexpr Layout_Entry Adjustment_Entries[] = {
        Control_Layout{.field = Unheld_Label,
                       .name = "Label12",
                       .bounds = {16, 96, 80, Label_Height},
                       .caption = "移動大小(Pixel)"},
        Control_Layout{.field = &TForm1::Move_Label,
                       .name = "Move_Label",
                       // The label sizes itself to its text and keeps its right edge, so "10" fits left of it.
                       .bounds = {67, 128, 20, Label_Height},
                       .caption = "2",
                       .alignment = ui::Alignment::Right},
        glyph_button(&TForm1::Btn_up, "Btn_up", 40, 16, Move_Size, "arrow-up"),
        glyph_button(&TForm1::Btn_left, "Btn_left", 16, 40, Move_Size, "arrow-left"),
        glyph_button(&TForm1::BitBtn5, "BitBtn5", 40, 40, Move_Size, "circling-arrows"),
        glyph_button(&TForm1::Btn_right, "Btn_right", 64, 40, Move_Size, "arrow-right"),
        glyph_button(&TForm1::Btn_down, "Btn_down", 40, 64, Move_Size, "arrow-down"),
        glyph_button(&TForm1::ZoomOut, "ZoomOut", 16, 144, Zoom_Size, "magnifier-minus"),
        glyph_button(&TForm1::ZoomIn, "ZoomIn", 56, 144, Zoom_Size, "magnifier-plus"),
        Control_Layout{.field = &TForm1::MoveBar,
                       .name = "MoveBar",
                       .bounds = {8, 112, 89, 17},
                       .track = {.min = 1, .max = 10, .position = 2, .frequency = 1}},
    };

    // ---- Messages ----

    static constexpr Layout_Entry Message_Entries[] = {
        message(&TForm1::Message1, "Message1", 16),
        message(&TForm1::Message2, "Message2", 32),
        message(&TForm1::Message3, "Message3", 48),
    };

    static constexpr Layout::Container Containers[] = {
        {std::monostate{}, Window_Entries},        {&TForm1::GroupBox1, Line_Switch_Entries},
        {&TForm1::GroupBox2, State_Panel_Entries}, {&TForm1::GroupBox3, Adjustment_Entries},
        {&TForm1::GroupBox4, Message_Entries},
    };

    // ---- The menu bar and the actions ----

    static constexpr Action_Layout Actions[] = {
        {&TForm1::DrawPsy, "DrawPsy", "DrawPsy"},
        {&TForm1::Exit, "Exit", "離開", "結束程式"},
    };

    static constexpr Menu_Item_Layout Settings_Items[] = {{&TForm1::N3, "N3", "大氣壓力設定"}};
    static constexpr Menu_Item_Layout About_Items[] = {{&TForm1::M_about, "M_about", "關於"}};
    static constexpr Menu_Item_Layout Exit_Items[] = {{&TForm1::M_exit, "M_exit", "離開", &TForm1::Exit}};

    static constexpr Menu_Layout Menus[] = {
        {{&TForm1::N2, "N2", "設定"}, Settings_Items},
        {{&TForm1::N1, "N1", "關於"}, About_Items},
        {{&TForm1::N5, "N5", "離開"}, Exit_Items},
    };

    static constexpr ui::layout::Menu_Bar_Layout<TForm1> Menu_Bar = {&TForm1::ActionList1, "ActionList1", Actions,
                                                                     &TForm1::MainMenu1,   "MainMenu1",   Menus};
};

void TForm1::Create_Layout() {
    ui::layout::apply_window(*this, Main_Window);
    Layout::create(*this, Layout_Tables::Containers);
    ui::layout::create_menus(*this, Layout_Tables::Menu_Bar);
    // The exit button shows its action's caption.
    Button1->set_caption(Exit->caption());
    std::vector<ui::Win_Control*> walk;
    for (Field<ui::Edit> edit : Layout_Tables::Panel_Walk) walk.push_back(this->*edit);
    Walk.add_order(std::move(walk));
}

}  // namespace moistrel
