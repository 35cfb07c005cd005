#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tables/table_kind.h"

namespace tables {

// The texts that name a listed table: the caption of the table's group and the three message
// lines.
struct Table_Heading {
    std::string_view caption;
    std::string_view message1;
    std::string_view message2;
    std::string_view message3;
};

const Table_Heading& table_heading(Table_Kind kind);

// The values of one axis: low to high in steps (at least 1), as the inputs give them.
struct Table_Span {
    std::int32_t low = 0;
    std::int32_t high = 0;
    std::int32_t step = 1;
};

// A table is refused when an axis runs backwards or when it would have more cells, headers
// included, than a window can sensibly hold.
inline constexpr std::int64_t Most_Table_Cells = 1'000'000;

enum class Table_Refusal { None, Tdb_Order, Row_Order, Too_Large };

// Checks in this order: the Tdb limits, the row limits, the size.
Table_Refusal check_table(const Table_Span& tdb, const Table_Span& rows);

// The grid's texts: column 0 and row 0 hold the headers, the corner stays empty.
class Table_Texts {
public:
    Table_Texts(std::int64_t cols, std::int64_t rows);

    std::int64_t cols() const { return cols_; }
    std::int64_t rows() const { return rows_; }
    const std::string& at(std::int64_t col, std::int64_t row) const;
    std::string& at(std::int64_t col, std::int64_t row);

private:
    std::int64_t cols_;
    std::int64_t rows_;
    std::vector<std::string> cells_;  // row by row
};

// The number of grid lines an axis takes, its header included.
std::int64_t grid_lines(const Table_Span& span);

// Every cell of the table at pressure patm (kPa). The columns are the Tdb values, the rows the
// table's RH or Twb values. A cell the table has no value for shows "N/A": outside the property
// function's domain, or where its computation reports a math error or raises a floating-point
// error; no report reaches the user. The table must pass check_table.
Table_Texts compute_table(Table_Kind kind, const Table_Span& tdb, const Table_Span& rows, float patm);

}  // namespace tables
