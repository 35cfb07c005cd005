#include "tables/table_cells.h"

#include <cmath>
#include <optional>
#include <stdexcept>

#include "engine/float_env.h"
#include "engine/property.h"
#include "numtext/int_text.h"
#include "numtext/mask_format.h"
#include "state/air_state.h"
#include "state/entry_limits.h"
#include "state/state_steps.h"

using state::Air_State;
using state::RH_From_Twb;
using state::Saturation_AH;
using state::Twb_Min;

namespace tables {

namespace {

constexpr std::string_view No_Value = "N/A";
constexpr std::string_view Degree_Mask = "###0.##";
constexpr std::string_view Pressure_Mask = "###0.###";
constexpr double Grams_Per_Kilogram = 1000;

// One column of a table: its Tdb, and what every cell of it needs from the engine.
struct Column {
    std::int64_t tdb;
    float T;
    float P;
    // Absent where its computation failed; the cells that need it then have no value.
    std::optional<float> Pws;
    std::optional<float> Twb_min;
};

// Saturated air: an RH of 100, or a wet bulb equal to the dry bulb. Both are exact integer
// comparisons.
bool saturated_row(Row_Axis rows, const Column& column, std::int64_t row) {
    return rows == Row_Axis::RH ? row == 100 : row == column.tdb;
}

// The engine chain of one cell, each step computed once and only when a formula asks for it.
// The RH-row chain starts from the row's RH, the Twb-row chain from the RH whose wet bulb is the
// row's Twb, found as the main window's Twb entry finds it.
class Cell_Chain {
public:
    Cell_Chain(const Column& column, std::int64_t row, Row_Axis axis)
        : column_(column), row_(static_cast<float>(row)), axis_(axis) {}

    float T() const { return column_.T; }
    float P() const { return column_.P; }
    float Pws() const { return *column_.Pws; }

    float RH() {
        if (!rh_) rh_ = axis_ == Row_Axis::RH ? row_ : RH_From_Twb(state(), row_);
        return *rh_;
    }
    float Pw() {
        if (!pw_) pw_ = Calc_Property(Kind_Pw_RH, Pws(), RH());
        return *pw_;
    }
    float Tdp() {
        if (!tdp_) tdp_ = Calc_Property(Kind_Tdp, T(), Pw());
        return *tdp_;
    }
    float Twb() {
        if (!twb_) twb_ = Calc_Property(Kind_Twb, T(), Tdp());
        return *twb_;
    }

private:
    Air_State state() const {
        Air_State air;
        air.Patm = column_.P;
        air.Tdb = column_.T;
        air.Pws = *column_.Pws;
        return air;
    }

    const Column& column_;
    float row_;
    Row_Axis axis_;
    std::optional<float> rh_;
    std::optional<float> pw_;
    std::optional<float> tdp_;
    std::optional<float> twb_;
};

double twb_cell(Cell_Chain& cell) { return cell.Twb(); }
double wbd_cell(Cell_Chain& cell) { return static_cast<double>(cell.T()) - cell.Twb(); }
double rh_cell(Cell_Chain& cell) { return cell.RH(); }
double vpd_cell(Cell_Chain& cell) { return static_cast<double>(cell.Pws()) - cell.Pw(); }
double vpd_at_twb_cell(Cell_Chain& cell) {
    return static_cast<double>(Calc_Property(Kind_Pws, cell.Twb())) - cell.Pw();
}
double tdp_cell(Cell_Chain& cell) { return cell.Tdp(); }
double thi_cell(Cell_Chain& cell) { return Calc_Property(Kind_THI, cell.T(), cell.Tdp()); }
// Differences and the factor 1000 are taken in double on the 32-bit results.
double ahd_cell(Cell_Chain& cell) {
    const double at_tdb = Calc_Property(Kind_AH, cell.P(), cell.Pws());
    return (at_tdb - Saturation_AH(cell.P(), cell.Tdp())) * Grams_Per_Kilogram;
}
double ahd_at_twb_cell(Cell_Chain& cell) {
    const double at_twb = Saturation_AH(cell.P(), cell.Twb());
    return (at_twb - Saturation_AH(cell.P(), cell.Tdp())) * Grams_Per_Kilogram;
}

// The cell of a saturated row (RH 100 on RH rows, Twb = Tdb on Twb rows) where a table does not
// compute it: zero, or the Tdb itself.
enum class Saturated_Cell { Computed, Zero, Tdb };

struct Table_Definition {
    Table_Heading heading;
    std::string_view mask;
    double (*formula)(Cell_Chain&);
    Saturated_Cell saturated;
    // At RH 0 there is no dew point: the tables that need one have no value there.
    bool needs_dew_point;
};

constexpr Table_Definition Tables[Table_Count] = {
    {{"Twb Table", "Twb:", "Wet Bulb Temperature", "(in degree C)"},
     Degree_Mask,
     twb_cell,
     Saturated_Cell::Computed,
     true},
    {{"WBD Table", "WBD:", "Wet Bulb Depression", "(in degree C)"},
     Degree_Mask,
     wbd_cell,
     Saturated_Cell::Computed,
     true},
    {{"RH Table", "RH:", "Relative Humidity", "(in %)"}, Degree_Mask, rh_cell, Saturated_Cell::Computed, true},
    {{"VPD Table", "VPD:", "Vapor Pressure Deficit of Air", "(in kPa)"},
     Pressure_Mask,
     vpd_cell,
     Saturated_Cell::Zero,
     false},
    {{"VPD' Table", "VPD':", "Vapor Pressure Deficit of Air", "(in kPa)"},
     Pressure_Mask,
     vpd_at_twb_cell,
     Saturated_Cell::Zero,
     true},
    {{"Tdp1 Table", "Tdp:", "Dew Point Temperature", "(in degree C)"},
     Degree_Mask,
     tdp_cell,
     Saturated_Cell::Tdb,
     true},
    {{"Tdp2 Table", "Tdp:", "Dew Point Temperature", "(in degree C)"},
     Degree_Mask,
     tdp_cell,
     Saturated_Cell::Tdb,
     true},
    {{"THI1 Table", "THI:", "Temperature Humidity Index", "(in degree C)"},
     Degree_Mask,
     thi_cell,
     Saturated_Cell::Computed,
     true},
    {{"THI2 Table", "THI:", "Temperature Humidity Index", "(in degree C)"},
     Degree_Mask,
     thi_cell,
     Saturated_Cell::Computed,
     true},
    {{"AHD Table", "AHD:", "Absolute Humidity Deficit", "(x0.001 kg/kg DA)"},
     Pressure_Mask,
     ahd_cell,
     Saturated_Cell::Zero,
     true},
    {{"AHD' Table", "AHD':", "Absolute Humidity Deficit", "(x0.001 kg/kg DA)"},
     Pressure_Mask,
     ahd_at_twb_cell,
     Saturated_Cell::Zero,
     true},
};

// Runs the computations of one table with math-error reports kept from the user: a report, a
// floating-point error or a result that is no number gives no value.
class Quiet_Computation {
public:
    Quiet_Computation() : redirect_([this](const std::string&, const std::string&) { reported_ = true; }) {}

    template <class Computation>
    std::optional<double> run(Computation&& computation) {
        reported_ = false;
        try {
            const double value = computation();
            if (reported_ || !std::isfinite(value)) return std::nullopt;
            return value;
        } catch (const engine::Float_Error&) {
            return std::nullopt;
        }
    }

private:
    bool reported_ = false;
    engine::Math_Error_Redirect redirect_;
};

std::optional<float> single(std::optional<double> value) {
    if (!value) return std::nullopt;
    return static_cast<float>(*value);
}

double column_pws(const Column& column) { return Calc_Property(Kind_Pws, column.T); }

double column_twb_min(const Column& column) {
    Air_State air;
    air.Tdb = column.T;
    air.Pws = *column.Pws;
    return Twb_Min(air);
}

Column column_at(std::int64_t tdb, float patm, Row_Axis rows, Quiet_Computation& quiet) {
    Column column{tdb, static_cast<float>(tdb), patm, std::nullopt, std::nullopt};
    column.Pws = single(quiet.run([&] { return column_pws(column); }));
    if (rows == Row_Axis::Twb && column.Pws) column.Twb_min = single(quiet.run([&] { return column_twb_min(column); }));
    return column;
}

// The text of a row or a column value: the headers, and the saturated Tdp cells, which show their
// column's Tdb to the last digit.
std::string header_text(std::int64_t value) { return numtext::int_to_text(static_cast<std::int32_t>(value)); }

std::string no_value() { return std::string(No_Value); }

std::optional<std::string> special_text(const Table_Definition& table, Row_Axis rows, const Column& column,
                                        std::int64_t row) {
    const bool saturated = saturated_row(rows, column, row);
    if (rows == Row_Axis::RH && (row < 0 || (row == 0 && table.needs_dew_point))) return no_value();
    if (rows == Row_Axis::Twb && row > column.tdb) return no_value();
    if (saturated && table.saturated == Saturated_Cell::Zero) return numtext::format_mask(0, table.mask);
    if (saturated && table.saturated == Saturated_Cell::Tdb) return header_text(column.tdb);
    if (!column.Pws) return no_value();
    if (rows == Row_Axis::Twb && !(column.Twb_min && static_cast<float>(row) >= *column.Twb_min)) return no_value();
    return std::nullopt;
}

std::string cell_text(const Table_Definition& table, Row_Axis rows, const Column& column, std::int64_t row,
                      Quiet_Computation& quiet) {
    if (auto special = special_text(table, rows, column, row)) return std::move(*special);
    Cell_Chain cell(column, row, rows);
    const auto value = quiet.run([&] { return table.formula(cell); });
    return value ? numtext::format_mask(*value, table.mask) : no_value();
}

std::int64_t axis_value(const Table_Span& span, std::int64_t line) {
    return static_cast<std::int64_t>(span.low) + (line - 1) * span.step;
}

}  // namespace

const Table_Heading& table_heading(Table_Kind kind) { return Tables[static_cast<std::size_t>(kind)].heading; }

Table_Texts::Table_Texts(std::int64_t cols, std::int64_t rows)
    : cols_(cols), rows_(rows), cells_(static_cast<std::size_t>(cols * rows)) {}

const std::string& Table_Texts::at(std::int64_t col, std::int64_t row) const {
    return cells_.at(static_cast<std::size_t>(row * cols_ + col));
}

std::string& Table_Texts::at(std::int64_t col, std::int64_t row) {
    return cells_.at(static_cast<std::size_t>(row * cols_ + col));
}

std::int64_t grid_lines(const Table_Span& span) {
    if (span.step < 1) throw std::invalid_argument("a table's step is at least 1");
    return (static_cast<std::int64_t>(span.high) - span.low) / span.step + 2;
}

Table_Refusal check_table(const Table_Span& tdb, const Table_Span& rows) {
    if (tdb.high < tdb.low) return Table_Refusal::Tdb_Order;
    if (rows.high < rows.low) return Table_Refusal::Row_Order;
    // Each count fits 64 bits; their product need not, so it is compared by division.
    if (grid_lines(tdb) > Most_Table_Cells / grid_lines(rows)) return Table_Refusal::Too_Large;
    return Table_Refusal::None;
}

Table_Texts compute_table(Table_Kind kind, const Table_Span& tdb, const Table_Span& rows, float patm) {
    if (check_table(tdb, rows) != Table_Refusal::None) throw std::invalid_argument("a refused table");
    const Table_Definition& table = Tables[static_cast<std::size_t>(kind)];
    const Row_Axis axis = sheet_definition(kind).rows;
    Table_Texts texts(grid_lines(tdb), grid_lines(rows));
    Quiet_Computation quiet;
    for (std::int64_t r = 1; r < texts.rows(); ++r) texts.at(0, r) = header_text(axis_value(rows, r));
    for (std::int64_t c = 1; c < texts.cols(); ++c) {
        const Column column = column_at(axis_value(tdb, c), patm, axis, quiet);
        texts.at(c, 0) = header_text(column.tdb);
        for (std::int64_t r = 1; r < texts.rows(); ++r)
            texts.at(c, r) = cell_text(table, axis, column, axis_value(rows, r), quiet);
    }
    return texts;
}

}  // namespace tables
