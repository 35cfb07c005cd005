#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "state/air_state.h"

namespace hygrodex {

// The eleven properties of a state in the order every sheet lists them, top to bottom.
enum class Row { Tdb, RH, Twb, Tdp, AH, H, SV, Hfg, DOS, Pws, Pw };
inline constexpr std::size_t Row_Count = 11;

constexpr std::size_t row_index(Row row) { return static_cast<std::size_t>(row); }

struct Row_Info {
    Row row;
    std::string_view tag;    // in edit names: "Edit_" + sheet letter + tag + column suffix
    std::string_view label;  // the row label at the left of every sheet
    std::string_view unit;   // the State sheet's unit label
    std::string_view mask;   // display mask
    bool read_only;          // computed only: read-only in every current-state column
    float state::Air_State::*field;
    bool shown_in_percent;  // held as a fraction, shown as a percentage
};

inline constexpr std::array<Row_Info, Row_Count> State_Rows{{
    {Row::Tdb, "tdb", "Tdb", "degree C", "###0.##", false, &state::Air_State::Tdb, false},
    {Row::RH, "rh", "RH", "%", "##0.##", false, &state::Air_State::RH, false},
    {Row::Twb, "twb", "Twb", "degree C", "###0.##", false, &state::Air_State::Twb, false},
    {Row::Tdp, "tdp", "Tdp", "degree C", "###0.##", false, &state::Air_State::Tdp, false},
    {Row::AH, "ah", "AH", "kg/kg DA", "###0.####", false, &state::Air_State::AH, false},
    {Row::H, "h", "H", "kJ/kg DA", "###0.###", false, &state::Air_State::H, false},
    {Row::SV, "sv", "SV", "m3/kg DA", "###0.####", false, &state::Air_State::SV, false},
    {Row::Hfg, "hfg", "Hfg", "kJ/kg", "###0.##", true, &state::Air_State::Hfg, false},
    {Row::DOS, "dos", "DOS", "%", "##0.##", false, &state::Air_State::DOS, true},
    {Row::Pws, "pws", "Pws", "kPa", "###0.###", true, &state::Air_State::Pws, false},
    {Row::Pw, "pw", "Pw", "kPa", "###0.###", false, &state::Air_State::Pw, false},
}};

constexpr const Row_Info& row_info(Row row) { return State_Rows[row_index(row)]; }

// The value a column shows for the row: the field itself, DOS x 100 rounded to a 32-bit float.
float shown_value(Row row, const state::Air_State& state);
// That value written with the row's display mask.
std::string shown_text(Row row, const state::Air_State& state);

}  // namespace hygrodex
