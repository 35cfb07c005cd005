#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tables {

// The eleven tables of the tables window, in page order, which is also the Tables menu's order.
enum Table_Kind {
    Table_twb,
    Table_wbd,
    Table_rh,
    Table_vpd1,
    Table_vpd2,
    Table_tdp1,
    Table_tdp2,
    Table_thi1,
    Table_thi2,
    Table_ahd1,
    Table_ahd2,
};

inline constexpr std::size_t Table_Count = 11;

// What a table's rows are: relative humidities in % or wet-bulb temperatures in degree C. Its
// columns are always dry-bulb temperatures.
enum class Row_Axis { RH, Twb };

// One table sheet: the tag its controls are named after, its tab caption (also the key by which
// "List" knows the table), its rows, the caption of its group (the table's formula) and the
// names of the group's labels that no code touches, in their creation order.
struct Table_Sheet_Definition {
    Table_Kind kind;
    std::string_view tag;
    std::string_view page_caption;
    Row_Axis rows;
    std::string_view group_caption;
    std::array<std::string_view, 10> label_names;
};

extern const std::array<Table_Sheet_Definition, Table_Count> Table_Sheets;

inline const Table_Sheet_Definition& sheet_definition(Table_Kind kind) {
    return Table_Sheets[static_cast<std::size_t>(kind)];
}

}  // namespace tables
