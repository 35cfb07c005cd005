#include <string>
#include <string_view>

#include "tables/tables.h"
#include "ui/layout.h"

namespace tables {

// The tables window's layout as data. The eleven sheets are alike but for their names, captions
// and rows, so one routine creates each sheet's controls from its definition.
namespace {

template <class T>
using Field = ui::layout::Field<Tpsytable, T>;
using Control_Layout = ui::layout::Control_Layout<Tpsytable>;

// A sheet of the page control, with its group and the group's eighteen controls.
struct Table_Sheet_Entry {
    const Table_Sheet_Definition* definition;
};

using Layout = ui::layout::Layout<Tpsytable, Table_Sheet_Entry>;
using Layout_Entry = Layout::Entry;

constexpr ui::layout::Window_Layout Window = {
    .caption = "Psytable",
    .client_width = 604,
    .client_height = 393,
    .font = {.name = "MS Sans Serif", .size = 8},
    .sizeable = true,
    .minimize_box = false,
};

constexpr Control_Layout message(Field<ui::Label> field, std::string_view name, int top) {
    return ui::layout::message_line<Tpsytable>(field, name, top, ui::Color_Info_Background);
}

constexpr Control_Layout button(Field<ui::Button> field, std::string_view name, int left, std::string_view caption,
                                int tab_order, int modal_result) {
    return {.field = field,
            .name = name,
            .bounds = {left, 96, 57, 25},
            .caption = caption,
            .tab_order = tab_order,
            .button = {.modal_result = modal_result}};
}

constexpr Layout_Entry Window_Entries[] = {
    Control_Layout{
        .field = &Tpsytable::label_patm, .name = "label_patm", .bounds = {440, 0, 150, 13}, .caption = "label_patm"},
    Control_Layout{.field = &Tpsytable::GroupBox1,
                   .name = "GroupBox1",
                   .bounds = {392, 16, 201, 73},
                   .caption = "Message",
                   .tab_order = 5},
    button(&Tpsytable::Btn_count, "Btn_count", 392, "List", 1, ui::Mr_None),
    button(&Tpsytable::Btn_exit, "Btn_exit", 536, "Quit", 2, ui::Mr_Cancel),
    button(&Tpsytable::Btn_cls, "Btn_cls", 464, "Clear", 4, ui::Mr_None),
    Control_Layout{.field = &Tpsytable::psytable,
                   .name = "psytable",
                   .bounds = {0, 0, 385, 121},
                   .tab_order = 0,
                   .tab_position = ui::Tab_Position::Bottom},
    Control_Layout{.field = &Tpsytable::gtable,
                   .name = "gtable",
                   .bounds = {0, 122, 599, 270},
                   .caption = "Table",
                   .tab_order = 3,
                   .anchors = ui::All_Sides},
};

constexpr Layout_Entry Message_Entries[] = {
    message(&Tpsytable::Message1, "Message1", 16),
    message(&Tpsytable::Message2, "Message2", 32),
    message(&Tpsytable::Message3, "Message3", 48),
};

constexpr Layout_Entry Page_Entries[] = {
    Table_Sheet_Entry{&Table_Sheets[Table_twb]},  Table_Sheet_Entry{&Table_Sheets[Table_wbd]},
    Table_Sheet_Entry{&Table_Sheets[Table_rh]},   Table_Sheet_Entry{&Table_Sheets[Table_vpd1]},
    Table_Sheet_Entry{&Table_Sheets[Table_vpd2]}, Table_Sheet_Entry{&Table_Sheets[Table_tdp1]},
    Table_Sheet_Entry{&Table_Sheets[Table_tdp2]}, Table_Sheet_Entry{&Table_Sheets[Table_thi1]},
    Table_Sheet_Entry{&Table_Sheets[Table_thi2]}, Table_Sheet_Entry{&Table_Sheets[Table_ahd1]},
    Table_Sheet_Entry{&Table_Sheets[Table_ahd2]},
};

constexpr Layout_Entry Table_Entries[] = {
    Control_Layout{.field = &Tpsytable::StringGrid_table,
                   .name = "StringGrid_table",
                   .bounds = {8, 16, 583, 246},
                   .tab_order = 0,
                   .anchors = ui::All_Sides,
                   .grid = {.cols = Table_Grid_Cols,
                            .rows = Table_Grid_Rows,
                            .col_width = 40,
                            .row_height = 15,
                            .fixed_color = ui::Color_Silver}},
};

constexpr Layout::Container Containers[] = {
    {std::monostate{}, Window_Entries},
    {&Tpsytable::GroupBox1, Message_Entries},
    {&Tpsytable::psytable, Page_Entries},
    {&Tpsytable::gtable, Table_Entries},
};

// What differs between sheets whose rows are RH and those whose rows are Twb.
struct Row_Look {
    std::string_view quantity;  // the row edits' names end in it
    std::string_view caption;
    std::string_view unit;
    int unit_left;
    int unit_width;
    std::string_view low;
    std::string_view high;
    int step;
    std::string_view step_text;
};

constexpr Row_Look RH_Rows = {"rh", "RH", "%", 320, 11, "50", "100", 5, "5"};
constexpr Row_Look Twb_Rows = {"twb", "Twb", "degree C", 304, 44, "20", "40", 1, "1"};

// A page's client area above one row of tabs.
constexpr ui::Rect Sheet_Client = {4, 4, 377, 93};
constexpr int Label_Height = 13;
constexpr ui::layout::Track_Range Step_Range = {.min = 1, .max = 10, .position = 1, .frequency = 1, .thumb_length = 10};

// The kind of a sheet's control comes from its creation; the descriptions hold no field.
constexpr Control_Layout label(std::string_view name, int left, int top, int width, std::string_view caption,
                               ui::Alignment alignment = ui::Alignment::Left) {
    return {.name = name, .bounds = {left, top, width, Label_Height}, .caption = caption, .alignment = alignment};
}

constexpr Control_Layout limit_edit(std::string_view name, int left, int top, std::string_view text) {
    return {.name = name, .bounds = {left, top, 33, 17}, .caption = text};
}

constexpr Control_Layout step_bar(std::string_view name, int top, int position) {
    ui::layout::Track_Range range = Step_Range;
    range.position = position;
    return {.name = name, .bounds = {192, top, 89, 17}, .track = range};
}

void create_generated(Tpsytable& form, ui::Win_Control& pages, const Table_Sheet_Entry& entry) {
    const Table_Sheet_Definition& definition = *entry.definition;
    const Row_Look& rows = definition.rows == Row_Axis::RH ? RH_Rows : Twb_Rows;
    const std::string tag(definition.tag);
    const std::string quantity(rows.quantity);
    const auto& labels = definition.label_names;
    Table_Sheet& sheet = form.Sheets[static_cast<std::size_t>(definition.kind)];

    const std::string sheet_name = "Sheet_" + tag;
    sheet.sheet = &ui::layout::create_control(
        form, pages, Control_Layout{.name = sheet_name, .bounds = Sheet_Client, .caption = definition.page_caption},
        Field<ui::Tab_Sheet>{nullptr});
    const std::string group_name = "Group_" + tag;
    sheet.group = &ui::layout::create_control(
        form, *sheet.sheet,
        Control_Layout{.name = group_name, .bounds = {8, 0, 361, 89}, .caption = definition.group_caption},
        Field<ui::Group_Box>{nullptr});

    // The twelve labels first, then the six input controls, in the order of Tab and Enter.
    ui::Win_Control& group = *sheet.group;
    const auto create = [&form, &group ](const Control_Layout& desc, auto field) -> auto& {
        return ui::layout::create_control(form, group, desc, field);
    };
    const Field<ui::Label> label_kind = nullptr;
    const Field<ui::Edit> edit_kind = nullptr;
    const Field<ui::Track_Bar> bar_kind = nullptr;
    const std::string col_step = tag + "1step";
    const std::string row_step = tag + "2step";
    create(label(labels[0], 216, 20, 41, "Interval", ui::Alignment::Center), label_kind);
    sheet.col_step_label = &create(label("Label_" + col_step, 283, 36, 12, "1"), label_kind);
    sheet.row_step_label = &create(label("Label_" + row_step, 283, 60, 12, rows.step_text), label_kind);
    create(label(labels[1], 72, 16, 60, "Lower Limit"), label_kind);
    create(label(labels[2], 136, 16, 60, "Upper Limit"), label_kind);
    create(label(labels[3], 56, 32, 20, "Tdb"), label_kind);
    create(label(labels[4], 56, 56, 20, rows.caption), label_kind);
    create(label(labels[5], 16, 32, 27, "Col. :"), label_kind);
    create(label(labels[6], 16, 56, 27, "Row :"), label_kind);
    create(label(labels[7], 312, 16, 26, "Units"), label_kind);
    create(label(labels[8], 304, 32, 44, "degree C"), label_kind);
    create(label(labels[9], rows.unit_left, 56, rows.unit_width, rows.unit), label_kind);
    sheet.tdb_low = &create(limit_edit("Edit_" + tag + "1tdb", 80, 32, "20"), edit_kind);
    sheet.tdb_high = &create(limit_edit("Edit_" + tag + "2tdb", 144, 32, "40"), edit_kind);
    sheet.row_low = &create(limit_edit("Edit_" + tag + "1" + quantity, 80, 56, rows.low), edit_kind);
    sheet.row_high = &create(limit_edit("Edit_" + tag + "2" + quantity, 144, 56, rows.high), edit_kind);
    sheet.col_step = &create(step_bar("Bar_" + col_step, 32, 1), bar_kind);
    sheet.row_step = &create(step_bar("Bar_" + row_step, 56, rows.step), bar_kind);
}

}  // namespace

void Tpsytable::Create_Layout() {
    ui::layout::apply_window(*this, Window);
    Layout::create(*this, Containers);
    psytable->set_active_page(Sheets[Table_vpd1].sheet);
}

}  // namespace tables
