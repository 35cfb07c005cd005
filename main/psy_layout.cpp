#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "main/psy.h"
#include "ui/layout.h"

namespace hygrodex {

// The main window's layout as data: every container lists its controls in creation order. The
// sheets' edit columns are generated from the row table, so an edit's name, place and
// read-only state follow from its column and its row.
namespace {

template <class T>
using Field = ui::layout::Field<TForm1, T>;
using Control_Layout = ui::layout::Control_Layout<TForm1>;

// Row labels, headings and the like: the window keeps no field for them.
constexpr Field<ui::Label> Unheld_Label = nullptr;

// How a sheet names and places its rows.
struct Sheet_Rows {
    std::string_view letter;  // in the names of the sheet's edits and labels
    int first_top;
    int pitch;

    constexpr int top(Row row) const { return first_top + static_cast<int>(row_index(row)) * pitch; }
};

// One label per row, its caption taken from the row table.
struct Row_Captions {
    const Sheet_Rows* rows;
    std::string_view name_prefix;
    std::string_view Row_Info::*caption;
    int left;
    int width;
};

// Which rows of a column take typing; the others are read-only.
enum class Column_Input { State_Rows_Only, Tdb_Only, None };

struct Column_Layout {
    State_Column TForm1::*column;
    const Sheet_Rows* rows;
    std::string_view suffix;  // in the edits' names
    int left;
    int width;
    Column_Input input;
    bool enabled;
};

// The edits of rows first to last of a column, created together.
struct Column_Rows {
    const Column_Layout* column;
    Row first;
    Row last;
};

using Layout = ui::layout::Layout<TForm1, Row_Captions, Column_Rows>;
using Layout_Entry = Layout::Entry;

// ---- The window ----

constexpr int Client_Width = 792;
constexpr int Client_Height = 523;
constexpr int Chart_Width = 578;
constexpr int Chart_Height = 503;
constexpr int Status_Height = 20;
constexpr int Status_Panel_Widths[] = {180, 642};

// ---- The sheets ----

// A page's client area below one row of tabs.
constexpr ui::Rect Sheet_Client = {4, 24, 193, 229};

constexpr int Edit_Height = 17;
constexpr int Label_Height = 13;
constexpr int Label_Drop = 2;  // lines a label's text up with the text of the edit beside it

// The State sheet: one wide column with the units at its right, rows spread over the page.
constexpr Sheet_Rows State_Sheet_Rows = {"", 10, 19};
constexpr int State_Label_Left = 8;
constexpr int State_Label_Width = 28;
constexpr int State_Edit_Left = 40;
constexpr int State_Edit_Width = 80;
constexpr int State_Unit_Left = 126;
constexpr int State_Unit_Width = 60;

// A column's rows, all of them or those after Tdb, which follow from it.
constexpr Column_Rows all_rows(const Column_Layout& column) { return {&column, Row::Tdb, Row::Pw}; }
constexpr Column_Rows first_row(const Column_Layout& column) { return {&column, Row::Tdb, Row::Tdb}; }
constexpr Column_Rows rows_after_tdb(const Column_Layout& column) { return {&column, Row::RH, Row::Pw}; }

// The other sheets: headings, eleven rows of three narrow columns, a row of buttons below.
constexpr int Heading_Top = 2;
constexpr int Column_Rows_Top = Heading_Top + Label_Height + 1;
constexpr int Column_Row_Pitch = Edit_Height;
constexpr int Row_Label_Left = 4;
constexpr int Row_Label_Width = 24;
constexpr int Column_Left = Row_Label_Left + Row_Label_Width + 2;
constexpr int Column_Width = 52;
constexpr int Column_Gap = 2;
constexpr int Sheet_Button_Height = 22;
constexpr int Sheet_Button_Top = Column_Rows_Top + static_cast<int>(Row_Count) * Column_Row_Pitch + 2;

constexpr Sheet_Rows Process_Sheet_Rows = {"2", Column_Rows_Top, Column_Row_Pitch};
constexpr Sheet_Rows Pad_Sheet_Rows = {"p", Column_Rows_Top, Column_Row_Pitch};
constexpr Sheet_Rows Vpd_Sheet_Rows = {"v", Column_Rows_Top, Column_Row_Pitch};

constexpr int column_left(int column) { return Column_Left + column * (Column_Width + Column_Gap); }

constexpr ui::Rect cell(const Sheet_Rows& rows, int column, Row row) {
    return {column_left(column), rows.top(row), Column_Width, Edit_Height};
}

constexpr ui::Rect below_column(int column) {
    return {column_left(column), Sheet_Button_Top, Column_Width, Sheet_Button_Height};
}

constexpr Row_Captions row_labels(const Sheet_Rows& rows) {
    return {&rows, "Label_", &Row_Info::label, Row_Label_Left, Row_Label_Width};
}

constexpr Control_Layout column_label(std::string_view name, std::string_view caption, int column, int top) {
    return {.field = Unheld_Label,
            .name = name,
            .bounds = {column_left(column), top, Column_Width, Label_Height},
            .caption = caption,
            .alignment = ui::Alignment::Center};
}

constexpr Control_Layout heading(std::string_view name, std::string_view caption, int column) {
    return column_label(name, caption, column, Heading_Top);
}

constexpr Control_Layout edit(Field<ui::Edit> field, std::string_view name, ui::Rect bounds, bool read_only) {
    return {.field = field, .name = name, .bounds = bounds, .read_only = read_only};
}

constexpr Control_Layout sheet_button(Field<ui::Button> field, std::string_view name, std::string_view caption,
                                      int column) {
    return {.field = field, .name = name, .bounds = below_column(column), .caption = caption};
}

// ---- Enter's walks ----

// A stop of a walk: rows of a column, or one field.
using Walk_Stop = std::variant<Column_Rows, Field<ui::Edit>, Field<ui::Button>>;

struct Initial_Text {
    std::string_view edit;
    std::string_view text;
};

// The leaf is saturated.
constexpr Initial_Text Initial_Edit_Texts[] = {{"Edit_vrh2", "100"}};

// ---- The side panels ----

constexpr int Group_Inset = 8;
constexpr int Group_First_Top = 14;

constexpr Control_Layout message(Field<ui::Label> field, std::string_view name, int line) {
    constexpr int pitch = 18;
    return ui::layout::message_line<TForm1>(field, name, Group_First_Top + line * pitch, ui::Color_Highlight,
                                            ui::Color_Highlight_Text);
}

// The crosshair group: a 3 x 3 pad of glyph buttons, the step bar below it, the zoom buttons last.
constexpr int Pad_Button_Size = 25;
constexpr int Pad_Left = 15;
constexpr int Pad_Top = 16;
constexpr int Step_Top = Pad_Top + 3 * Pad_Button_Size + 5;
constexpr int Move_Bar_Top = Step_Top + Label_Height + 1;
constexpr int Move_Bar_Height = 26;
constexpr int Zoom_Size = 33;
constexpr int Zoom_Top = Move_Bar_Top + Move_Bar_Height + 2;

struct Pad_Place {
    int row;
    int column;
    int tab_order;  // the pad is tabbed through row by row
};

constexpr Control_Layout pad_button(Field<ui::Button> field, std::string_view name, Pad_Place place,
                                    std::string_view hint, std::string_view glyph) {
    return {.field = field,
            .name = name,
            .bounds = {Pad_Left + place.column * Pad_Button_Size, Pad_Top + place.row * Pad_Button_Size,
                       Pad_Button_Size, Pad_Button_Size},
            .tab_order = place.tab_order,
            .hint = hint,
            .glyph = glyph};
}

constexpr Control_Layout zoom_button(Field<ui::Button> field, std::string_view name, int left, int tab_order,
                                     std::string_view hint, std::string_view glyph) {
    return {.field = field,
            .name = name,
            .bounds = {left, Zoom_Top, Zoom_Size, Zoom_Size},
            .tab_order = tab_order,
            .hint = hint,
            .glyph = glyph};
}

// Check boxes, one per line of their group; the lines need not follow the creation order.
constexpr Control_Layout check_box(Field<ui::Check_Box> field, std::string_view name, std::string_view caption,
                                   int line, bool checked) {
    constexpr int pitch = 16;
    return {.field = field,
            .name = name,
            .bounds = {Group_Inset, Group_First_Top + 2 + line * pitch, 73, pitch},
            .caption = caption,
            .checked = checked};
}

// ---- The menu bar and the actions ----

using Action_Layout = ui::layout::Action_Layout<TForm1>;
using Menu_Item_Layout = ui::layout::Menu_Item_Layout<TForm1>;
using Menu_Layout = ui::layout::Menu_Layout<TForm1>;

// ---- Building ----

constexpr ui::layout::Window_Layout Main_Window = {
    .caption = "Hygrodex",
    .client_width = Client_Width,
    .client_height = Client_Height,
    .font = {.name = "MS Sans Serif", .size = 8},
    .color = ui::Color_Button_Face,
};

void create_generated(TForm1& form, ui::Win_Control& sheet, const Row_Captions& captions) {
    for (const Row_Info& info : State_Rows) {
        const std::string name =
            std::string(captions.name_prefix) + std::string(captions.rows->letter) + std::string(info.tag);
        const Control_Layout label = {
            .field = Unheld_Label,
            .name = name,
            .bounds = {captions.left, captions.rows->top(info.row) + Label_Drop, captions.width, Label_Height},
            .caption = info.*captions.caption};
        ui::layout::create_control(form, sheet, label);
    }
}

bool column_read_only(Column_Input input, const Row_Info& info) {
    switch (input) {
    case Column_Input::State_Rows_Only: return info.read_only;
    case Column_Input::Tdb_Only: return info.row != Row::Tdb;
    case Column_Input::None: break;
    }
    return true;
}

void create_generated(TForm1& form, ui::Win_Control& sheet, const Column_Rows& rows) {
    const Column_Layout& column = *rows.column;
    for (std::size_t i = row_index(rows.first); i <= row_index(rows.last); ++i) {
        const Row_Info& info = State_Rows[i];
        const std::string name =
            "Edit_" + std::string(column.rows->letter) + std::string(info.tag) + std::string(column.suffix);
        const Control_Layout desc = {.name = name,
                                     .bounds = {column.left, column.rows->top(info.row), column.width, Edit_Height},
                                     .read_only = column_read_only(column.input, info)};
        auto& edit = ui::layout::create_control(form, sheet, desc, Field<ui::Edit>{nullptr});
        edit.set_enabled(column.enabled);
        (form.*column.column).edits[i] = &edit;
    }
}

std::vector<ui::Win_Control*> walk_order(const TForm1& form, std::span<const Walk_Stop> stops) {
    std::vector<ui::Win_Control*> order;
    for (const Walk_Stop& stop : stops) {
        std::visit(
            [&](const auto& fields) {
                if constexpr (std::is_same_v<std::decay_t<decltype(fields)>, Column_Rows>) {
                    const State_Column& column = form.*fields.column->column;
                    for (std::size_t i = row_index(fields.first); i <= row_index(fields.last); ++i)
                        order.push_back(column.edits[i]);
                } else {
                    order.push_back(form.*fields);
                }
            },
            stop);
    }
    return order;
}

}  // namespace

// The tables name the window's private fields, so they are its own.
struct TForm1::Layout_Tables {
    // ---- The window ----

    static constexpr Layout_Entry Window_Entries[] = {
        Control_Layout{.field = &TForm1::Psy_Bevel, .name = "Psy_Bevel", .bounds = {0, 0, Chart_Width, Chart_Height}},
        Control_Layout{.field = &TForm1::Chart_Image,
                       .name = "Chart_Image",
                       .bounds = {0, 0, Chart_Width, Chart_Height},
                       .cursor = ui::Cursor::Cross,
                       .stretch = true},
        Control_Layout{
            .field = &TForm1::PageControl1, .name = "PageControl1", .bounds = {584, 0, 201, 257}, .tab_order = 0},
        Control_Layout{.field = &TForm1::StatusBar1,
                       .name = "StatusBar1",
                       .bounds = {0, Client_Height - Status_Height, Client_Width, Status_Height},
                       .panel_widths = Status_Panel_Widths},
        Control_Layout{.field = &TForm1::Group_misc,
                       .name = "Group_misc",
                       .bounds = {696, 448, 89, 57},
                       .caption = "Misc.",
                       .tab_order = 4},
        Control_Layout{.field = &TForm1::Group_corsshair,
                       .name = "Group_corsshair",
                       .bounds = {584, 328, 105, 177},
                       .caption = "Crosshair",
                       .tab_order = 2},
        Control_Layout{.field = &TForm1::Group_curves,
                       .name = "Group_curves",
                       .bounds = {696, 328, 89, 120},
                       .caption = "Lines && Curves",
                       .tab_order = 3},
        Control_Layout{.field = &TForm1::Group_message,
                       .name = "Group_message",
                       .bounds = {584, 256, 201, 71},
                       .caption = "Message",
                       .tab_order = 1},
    };

    // ---- The sheets ----

    static constexpr Layout_Entry Page_Entries[] = {
        Control_Layout{
            .field = &TForm1::Sheet_state, .name = "Sheet_state", .bounds = Sheet_Client, .caption = "State"},
        Control_Layout{.field = &TForm1::Sheet_two, .name = "Sheet_two", .bounds = Sheet_Client, .caption = "Process"},
        Control_Layout{.field = &TForm1::Sheet_pad, .name = "Sheet_pad", .bounds = Sheet_Client, .caption = "Pad"},
        Control_Layout{.field = &TForm1::Sheet_vpd, .name = "Sheet_vpd", .bounds = Sheet_Client, .caption = "VPD"},
    };

    static constexpr Column_Layout State_Column_Layout = {&TForm1::Col_state,
                                                          &State_Sheet_Rows,
                                                          "",
                                                          State_Edit_Left,
                                                          State_Edit_Width,
                                                          Column_Input::State_Rows_Only,
                                                          true};

    static constexpr Layout_Entry State_Entries[] = {
        Row_Captions{&State_Sheet_Rows, "Label_", &Row_Info::label, State_Label_Left, State_Label_Width},
        Row_Captions{&State_Sheet_Rows, "Unit_", &Row_Info::unit, State_Unit_Left, State_Unit_Width},
        all_rows(State_Column_Layout),
    };

    static constexpr Column_Layout Process_State1 = {
        &TForm1::Col_two1, &Process_Sheet_Rows, "1", column_left(0), Column_Width, Column_Input::State_Rows_Only, true};
    static constexpr Column_Layout Process_State2 = {
        &TForm1::Col_two2, &Process_Sheet_Rows,           "2",  column_left(1),
        Column_Width,      Column_Input::State_Rows_Only, false};
    static constexpr Column_Layout Process_Diff = {&TForm1::Col_two_diff, &Process_Sheet_Rows, "d", column_left(2),
                                                   Column_Width,          Column_Input::None,  true};

    static constexpr Layout_Entry Process_Entries[] = {
        row_labels(Process_Sheet_Rows),
        Control_Layout{.field = &TForm1::SBtn_two1,
                       .name = "SBtn_two1",
                       .bounds = below_column(0),
                       .caption = "Active",
                       .speed = {.index = 1, .down = true, .allow_all_up = true}},
        Control_Layout{.field = &TForm1::SBtn_two2,
                       .name = "SBtn_two2",
                       .bounds = below_column(1),
                       .caption = "Inactive",
                       .speed = {.index = 1, .down = false, .allow_all_up = true}},
        heading("Label_2state1", "State 1", 0),
        heading("Label_2state2", "State 2", 1),
        heading("Label_2diff", "Diff.", 2),
        all_rows(Process_State1),
        all_rows(Process_State2),
        sheet_button(&TForm1::Btn_2cal, "Btn_2cal", "Cal.", 2),
        all_rows(Process_Diff),
    };

    static constexpr Column_Layout Pad_Outdoor = {&TForm1::Col_pad_outdoor,
                                                  &Pad_Sheet_Rows,
                                                  "1",
                                                  column_left(0),
                                                  Column_Width,
                                                  Column_Input::State_Rows_Only,
                                                  true};
    static constexpr Column_Layout Pad_After = {&TForm1::Col_pad_after, &Pad_Sheet_Rows,        "2", column_left(1),
                                                Column_Width,           Column_Input::Tdb_Only, true};

    static constexpr Layout_Entry Pad_Entries[] = {
        heading("Label_poutdoor", "Outdoor", 0),
        heading("Label_pafterpad", "AfterPad", 1),
        row_labels(Pad_Sheet_Rows),
        heading("Label_peff", "Eff.", 2),
        all_rows(Pad_Outdoor),
        first_row(Pad_After),
        edit(&TForm1::Edit_peff, "Edit_peff", cell(Pad_Sheet_Rows, 2, Row::Tdb), false),
        sheet_button(&TForm1::Btn_efficiency, "Btn_efficiency", "Draw", 2),
        rows_after_tdb(Pad_After),
    };

    static constexpr Column_Layout Vpd_Air = {
        &TForm1::Col_vpd_air, &Vpd_Sheet_Rows, "1", column_left(0), Column_Width, Column_Input::State_Rows_Only, true};
    static constexpr Column_Layout Vpd_Leaf = {&TForm1::Col_vpd_leaf, &Vpd_Sheet_Rows,        "2", column_left(1),
                                               Column_Width,          Column_Input::Tdb_Only, true};

    static constexpr Layout_Entry Vpd_Entries[] = {
        heading("Label_vair", "Air", 0),
        heading("Label_vleaf", "Leaf", 1),
        row_labels(Vpd_Sheet_Rows),
        column_label("Label_vvpd", "VPD", 2, Vpd_Sheet_Rows.top(Row::Pws) + Label_Drop),
        heading("Label_vtdbd", "Tleaf-Tair", 2),
        all_rows(Vpd_Air),
        first_row(Vpd_Leaf),
        sheet_button(&TForm1::Btn_vpd, "Btn_vpd", "Draw", 2),
        edit(&TForm1::Edit_vvpd, "Edit_vvpd", cell(Vpd_Sheet_Rows, 2, Row::Pw), true),
        rows_after_tdb(Vpd_Leaf),
        edit(&TForm1::Edit_vtdbd, "Edit_vtdbd", cell(Vpd_Sheet_Rows, 2, Row::Tdb), true),
    };

    // ---- Enter's walks ----

    // A current-state column goes round; the other editable column of its sheet runs on to the
    // sheet's button, and its outputs (Pad and VPD) lead on to the next field.
    static constexpr Walk_Stop State_Walk[] = {all_rows(State_Column_Layout), first_row(State_Column_Layout)};
    static constexpr Walk_Stop Process_State1_Walk[] = {all_rows(Process_State1), first_row(Process_State1)};
    static constexpr Walk_Stop Process_State2_Walk[] = {all_rows(Process_State2), &TForm1::Btn_2cal};
    static constexpr Walk_Stop Pad_Outdoor_Walk[] = {all_rows(Pad_Outdoor), first_row(Pad_After), &TForm1::Edit_peff,
                                                     &TForm1::Btn_efficiency};
    static constexpr Walk_Stop Pad_After_Walk[] = {rows_after_tdb(Pad_After), first_row(Pad_Outdoor)};
    static constexpr Walk_Stop Vpd_Air_Walk[] = {all_rows(Vpd_Air), first_row(Vpd_Leaf), &TForm1::Btn_vpd};
    // Tleaf-Tair takes no filter: the walk ends there.
    static constexpr Walk_Stop Vpd_Leaf_Walk[] = {rows_after_tdb(Vpd_Leaf), &TForm1::Edit_vtdbd};

    static constexpr std::span<const Walk_Stop> Walks[] = {State_Walk,       Process_State1_Walk, Process_State2_Walk,
                                                           Pad_Outdoor_Walk, Pad_After_Walk,      Vpd_Air_Walk,
                                                           Vpd_Leaf_Walk};

    // ---- The side panels ----

    static constexpr Layout_Entry Message_Entries[] = {
        message(&TForm1::Message1, "Message1", 0),
        message(&TForm1::Message2, "Message2", 1),
        message(&TForm1::Message3, "Message3", 2),
    };

    static constexpr Layout_Entry Crosshair_Entries[] = {
        Control_Layout{.field = Unheld_Label,
                       .name = "Label_step",
                       .bounds = {Group_Inset, Step_Top, 64, Label_Height},
                       .caption = "Step (pixels)"},
        Control_Layout{.field = &TForm1::Move_Label,
                       .name = "Move_Label",
                       .bounds = {76, Step_Top, 20, Label_Height},
                       .caption = "2",
                       .alignment = ui::Alignment::Right},
        pad_button(&TForm1::Btn_h_up, "Btn_h_up", {0, 0, 0}, "H line", "arrow-up-left"),
        pad_button(&TForm1::Btn_up, "Btn_up", {0, 1, 1}, "T line", "arrow-up"),
        pad_button(&TForm1::Btn_h_down, "Btn_h_down", {2, 2, 8}, "H line", "arrow-down-right"),
        zoom_button(&TForm1::ZoomOut, "ZoomOut", 16, 10, "Zoom Out", "magnifier-minus"),
        zoom_button(&TForm1::ZoomIn, "ZoomIn", 56, 11, "Zoom In", "magnifier-plus"),
        Control_Layout{.field = &TForm1::MoveBar,
                       .name = "MoveBar",
                       .bounds = {4, Move_Bar_Top, 97, Move_Bar_Height},
                       .tab_order = 9,
                       .track = {.min = 1, .max = 10, .position = 2, .frequency = 1, .thumb_length = 10}},
        pad_button(&TForm1::Btn_left, "Btn_left", {1, 0, 3}, "AH line", "arrow-left"),
        pad_button(&TForm1::Btn_down, "Btn_down", {2, 1, 7}, "T line", "arrow-down"),
        pad_button(&TForm1::Btn_default, "Btn_default", {1, 1, 4}, "default", "circling-arrows"),
        pad_button(&TForm1::Btn_right, "Btn_right", {1, 2, 5}, "AH line", "arrow-right"),
        pad_button(&TForm1::Btn_rh_down, "Btn_rh_down", {2, 0, 6}, "RH curve", "arrow-down-left"),
        pad_button(&TForm1::Btn_rh_up, "Btn_rh_up", {0, 2, 2}, "RH curve", "arrow-up-right"),
    };

    static constexpr Layout_Entry Curves_Entries[] = {
        check_box(&TForm1::Check_T, "Check_T", "T", 0, true),
        check_box(&TForm1::Check_RH, "Check_RH", "RH", 1, true),
        check_box(&TForm1::Check_AH, "Check_AH", "AH", 2, false),
        check_box(&TForm1::Check_H, "Check_H", "H", 4, false),
        check_box(&TForm1::Check_SV, "Check_SV", "SV", 5, false),
        check_box(&TForm1::Check_Pw, "Check_Pw", "Pw", 3, false),
    };

    static constexpr Layout_Entry Misc_Entries[] = {
        check_box(&TForm1::Check_auto, "Check_auto", "Centralize", 0, true),
        check_box(&TForm1::Check_unit, "Check_unit", "Unit label", 1, true),
    };

    // Parents before their children.
    static constexpr Layout::Container Containers[] = {
        {std::monostate{}, Window_Entries},      {&TForm1::PageControl1, Page_Entries},
        {&TForm1::Sheet_state, State_Entries},   {&TForm1::Sheet_two, Process_Entries},
        {&TForm1::Sheet_pad, Pad_Entries},       {&TForm1::Sheet_vpd, Vpd_Entries},
        {&TForm1::Group_misc, Misc_Entries},     {&TForm1::Group_corsshair, Crosshair_Entries},
        {&TForm1::Group_curves, Curves_Entries}, {&TForm1::Group_message, Message_Entries},
    };

    // ---- The menu bar and the actions ----

    static constexpr Action_Layout Actions[] = {
        {&TForm1::DrawPsy, "DrawPsy", "DrawPsy"},
        {&TForm1::Exit, "Exit", ""},
    };

    static constexpr Menu_Item_Layout Set_Items[] = {{&TForm1::N3, "N3", "Set Patm."}};

    static constexpr Menu_Item_Layout Table_Items[] = {
        {&TForm1::Twbf, "Twbf", "Twb = f(Tdb,RH)"},     {&TForm1::WBDf, "WBDf", "WBD = f(Tdb,RH)"},
        {&TForm1::RHf, "RHf", "RH = f(Tdb,Twb)"},       {&TForm1::VPDf1, "VPDf1", "VPD = f(Tdb,RH)"},
        {&TForm1::VPDf2, "VPDf2", "VPD' = f(Tdb,RH)"},  {&TForm1::Tdpf1, "Tdpf1", "Tdp1 = f(Tdb,RH)"},
        {&TForm1::Tdpf2, "Tdpf2", "Tdp2 = f(Tdb,Twb)"}, {&TForm1::THIf1, "THIf1", "THI1 = f(Tdb,RH)"},
        {&TForm1::THIf2, "THIf2", "THI2 = f(Tdb,Twb)"}, {&TForm1::AHDf1, "AHDf1", "AHD = f(Tdb,RH)"},
        {&TForm1::AHDf2, "AHDf2", "AHD' = f(Tdb,RH)"},
    };

    static constexpr Menu_Item_Layout About_Items[] = {{&TForm1::M_about, "M_about", "About"}};

    static constexpr Menu_Item_Layout Exit_Items[] = {{&TForm1::M_exit, "M_exit", "Exit", &TForm1::Exit}};

    static constexpr Menu_Layout Menus[] = {
        {{&TForm1::N2, "N2", "Set"}, Set_Items},
        {{&TForm1::Tables1, "Tables1", "Tables"}, Table_Items},
        {{&TForm1::N1, "N1", "About"}, About_Items},
        {{&TForm1::N5, "N5", "Exit"}, Exit_Items},
    };

    static constexpr ui::layout::Menu_Bar_Layout<TForm1> Menu_Bar = {&TForm1::ActionList1, "ActionList1", Actions,
                                                                     &TForm1::MainMenu1,   "MainMenu1",   Menus};
};

void TForm1::Create_Layout() {
    ui::layout::apply_window(*this, Main_Window);
    Layout::create(*this, Layout_Tables::Containers);
    PageControl1->set_active_page(Sheet_state);
    for (const Initial_Text& initial : Initial_Edit_Texts)
        get<ui::Edit>(std::string(initial.edit)).set_text(std::string(initial.text));
    ui::layout::create_menus(*this, Layout_Tables::Menu_Bar);
    for (std::span<const Walk_Stop> walk : Layout_Tables::Walks) Walk.add_order(walk_order(*this, walk));
}

}  // namespace hygrodex
