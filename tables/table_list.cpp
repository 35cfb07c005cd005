#include <algorithm>
#include <string>

#include "numtext/text_to_number.h"
#include "tables/tables.h"

namespace tables {

namespace {

constexpr std::string_view Table_Caption = "Table";
constexpr std::string_view Tdb_Order_Text = "Lower Limit of Tdb is greater than Upper Limit. Please reinput!!";
constexpr std::string_view RH_Order_Text = "Lower Limit of RH is greater than Upper Limit. Please reinput!!";
constexpr std::string_view Twb_Order_Text = "Lower Limit of Twb is greater than Upper Limit. Please reinput!!";
constexpr std::string_view Too_Large_Text = "Table is too large. Please reinput!!";

std::string_view refusal_text(Table_Refusal refusal, Row_Axis rows) {
    switch (refusal) {
    case Table_Refusal::Tdb_Order: return Tdb_Order_Text;
    case Table_Refusal::Row_Order: return rows == Row_Axis::RH ? RH_Order_Text : Twb_Order_Text;
    case Table_Refusal::Too_Large: return Too_Large_Text;
    case Table_Refusal::None: break;
    }
    return {};
}

}  // namespace

// The active page's caption names the table. Its texts are shown before the inputs are read, so
// they stay when an input or a check refuses the table, and the grid then stays as it was.
void Tpsytable::Btn_countClick(ui::Control&) {
    const std::string caption = psytable->active_page() ? psytable->active_page()->caption() : std::string();
    const auto found =
        std::find_if(Table_Sheets.begin(), Table_Sheets.end(),
                     [&caption](const Table_Sheet_Definition& sheet) { return sheet.page_caption == caption; });
    if (found == Table_Sheets.end()) return;
    const Table_Heading& heading = table_heading(found->kind);
    gtable->set_caption(std::string(heading.caption));
    Write_Messages(heading.message1, heading.message2, heading.message3);

    const Table_Sheet& sheet = Sheets[static_cast<std::size_t>(found->kind)];
    Table_Span tdb;
    tdb.low = numtext::text_to_int(sheet.tdb_low->text());
    tdb.high = numtext::text_to_int(sheet.tdb_high->text());
    tdb.step = sheet.col_step->position();
    Table_Span rows;
    rows.low = numtext::text_to_int(sheet.row_low->text());
    rows.high = numtext::text_to_int(sheet.row_high->text());
    rows.step = sheet.row_step->position();
    if (const Table_Refusal refusal = check_table(tdb, rows); refusal != Table_Refusal::None)
        return application().error_box(std::string(refusal_text(refusal, found->rows)));

    Table_Texts texts = compute_table(found->kind, tdb, rows, Table_Patm);
    Show_Table(texts);
}

void Tpsytable::Show_Table(Table_Texts& texts) {
    ui::String_Grid& grid = *StringGrid_table;
    const ui::String_Grid::Update update(grid);
    // A new table opens at its first cell, whatever the last one showed.
    grid.go_to_first_cell();
    grid.set_col_count(static_cast<int>(texts.cols()));
    grid.set_row_count(static_cast<int>(texts.rows()));
    for (std::int64_t r = 0; r < texts.rows(); ++r)
        for (std::int64_t c = r == 0 ? 1 : 0; c < texts.cols(); ++c)
            grid.set_cell(static_cast<int>(c), static_cast<int>(r), std::move(texts.at(c, r)));
}

void Tpsytable::Btn_clsClick(ui::Control&) {
    Write_Messages("", "", "");
    gtable->set_caption(std::string(Table_Caption));
    ui::String_Grid& grid = *StringGrid_table;
    const ui::String_Grid::Update update(grid);
    grid.set_col_count(Table_Grid_Cols);
    grid.set_row_count(Table_Grid_Rows);
    for (int r = 0; r < Table_Grid_Rows; ++r)
        for (int c = 0; c < Table_Grid_Cols; ++c) grid.set_cell(c, r, std::string());
}

}  // namespace tables
