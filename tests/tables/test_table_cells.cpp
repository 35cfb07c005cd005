#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "engine/property.h"
#include "numtext/mask_format.h"
#include "state/air_state.h"
#include "state/state_steps.h"
#include "tables/table_cells.h"
#include "tests/engine/math_report_capture.h"

using namespace tables;
using state::Air_State;
using state::RH_From_Twb;

namespace {

constexpr float Standard_Patm = 101.325f;

// The one cell of a table of a single column and a single row.
std::string cell(Table_Kind kind, int tdb, int row, float patm = Standard_Patm) {
    const Table_Texts texts = compute_table(kind, {tdb, tdb, 1}, {row, row, 1}, patm);
    return texts.at(1, 1);
}

struct Cell_Case {
    Table_Kind kind;
    int tdb;
    int row;
    std::string expected;
};

using Table_Cells = Math_Report_Capture;

TEST_F(Table_Cells, TheValuesOfEveryTableAtKnownStates) {
    const std::vector<Cell_Case> cases = {
        // Tdb 30, RH 50 and Tdb 30, Twb 20.
        {Table_twb, 30, 50, "21.84"},
        {Table_wbd, 30, 50, "8.16"},
        {Table_vpd1, 30, 50, "2.123"},
        {Table_vpd2, 30, 50, "0.495"},
        {Table_tdp1, 30, 50, "18.29"},
        {Table_thi1, 30, 50, "77.79"},
        {Table_ahd1, 30, 50, "14.022"},
        {Table_ahd2, 30, 50, "3.318"},
        {Table_rh, 30, 20, "39.89"},
        {Table_tdp2, 30, 20, "14.73"},
        {Table_thi2, 30, 20, "76.5"},
        // Saturated air at Tdb 20: some tables compute, the others show zero or the Tdb itself.
        {Table_twb, 20, 100, "20"},
        {Table_wbd, 20, 100, "0"},
        {Table_vpd1, 20, 100, "0"},
        {Table_vpd2, 20, 100, "0"},
        {Table_tdp1, 20, 100, "20"},
        {Table_thi1, 20, 100, "68.35"},
        {Table_ahd1, 20, 100, "0"},
        {Table_ahd2, 20, 100, "0"},
        // On the diagonal Twb = Tdb the RH is 100, Tdp2 is the Tdb, THI2 is computed.
        {Table_rh, 25, 25, "100"},
        {Table_tdp2, 20, 20, "20"},
        {Table_tdp2, -5, -5, "-5"},
    };
    for (const Cell_Case& c : cases)
        EXPECT_EQ(cell(c.kind, c.tdb, c.row), c.expected)
            << sheet_definition(c.kind).tag << " " << c.tdb << " " << c.row;
    EXPECT_NE(cell(Table_thi2, 20, 20), "N/A");
    EXPECT_TRUE(reports.empty());
}

TEST_F(Table_Cells, HeadersAndSizesFollowTheLimitsAndSteps) {
    const Table_Texts design = compute_table(Table_twb, {20, 40, 1}, {50, 100, 5}, Standard_Patm);
    EXPECT_EQ(design.cols(), 22);
    EXPECT_EQ(design.rows(), 12);
    EXPECT_EQ(design.at(1, 0), "20");
    EXPECT_EQ(design.at(21, 0), "40");
    EXPECT_EQ(design.at(0, 1), "50");
    EXPECT_EQ(design.at(0, 2), "55");
    EXPECT_EQ(design.at(0, 11), "100");
    EXPECT_EQ(design.at(0, 0), "");

    const Table_Texts stepped = compute_table(Table_vpd1, {20, 40, 3}, {50, 100, 3}, Standard_Patm);
    EXPECT_EQ(stepped.cols(), 8);
    EXPECT_EQ(stepped.at(7, 0), "38");
    EXPECT_EQ(stepped.rows(), 18);
    EXPECT_EQ(stepped.at(0, 17), "98");
    EXPECT_NE(stepped.at(1, 17), "0") << "no row 100, so every row is computed";

    const Table_Texts single = compute_table(Table_twb, {25, 25, 1}, {-5, -5, 1}, Standard_Patm);
    EXPECT_EQ(single.cols(), 2);
    EXPECT_EQ(single.at(1, 0), "25");
    EXPECT_EQ(single.at(0, 1), "-5");
}

TEST_F(Table_Cells, RowsAboveTheTdbAndBelowTheLowestWetBulbHaveNoValueInEveryTwbRowTable) {
    for (const Table_Kind kind : {Table_rh, Table_tdp2, Table_thi2}) {
        const Table_Texts texts = compute_table(kind, {20, 20, 1}, {-10, 25, 1}, Standard_Patm);
        Air_State column;
        column.Tdb = 20;
        column.Pws = Calc_Property(Kind_Pws, 20);
        const float lowest =
            Calc_Property(Kind_Twb, 20, Calc_Property(Kind_Tdp, 20, Calc_Property(Kind_Pw_RH, column.Pws, 0.01f)));
        for (std::int64_t r = 1; r < texts.rows(); ++r) {
            const int twb = -10 + static_cast<int>(r) - 1;
            const bool none = twb > 20 || static_cast<float>(twb) < lowest;
            EXPECT_EQ(texts.at(1, r) == "N/A", none) << sheet_definition(kind).tag << " Twb " << twb;
            EXPECT_EQ(texts.at(0, r), std::to_string(twb)) << "every row keeps its header";
        }
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(Table_Cells, TwbRowTablesTakeTheRhAsTheTwbEntryDoes) {
    // Below and above freezing, where the fit alone is clamped to 0, and on the diagonal, where
    // the wet bulb is the dry bulb and the air is saturated.
    const struct {
        int tdb;
        int twb;
    } cases[] = {{30, 20}, {5, 3}, {8, 4}, {0, -2}, {-5, -6}, {20, 20}, {0, 0}, {-20, -20}, {-40, -40}};
    for (const auto& c : cases) {
        Air_State state;
        state.Tdb = static_cast<float>(c.tdb);
        state.Pws = Calc_Property(Kind_Pws, state.Tdb);
        const bool saturated = c.tdb == c.twb;
        const float rh = saturated ? 100 : RH_From_Twb(state, static_cast<float>(c.twb));
        EXPECT_EQ(cell(Table_rh, c.tdb, c.twb), saturated ? "100" : numtext::format_mask(rh, "###0.##"))
            << c.tdb << " " << c.twb;
        const float tdp = Calc_Property(Kind_Tdp, state.Tdb, Calc_Property(Kind_Pw_RH, state.Pws, rh));
        EXPECT_EQ(cell(Table_tdp2, c.tdb, c.twb),
                  saturated ? std::to_string(c.tdb) : numtext::format_mask(tdp, "###0.##"))
            << c.tdb << " " << c.twb;
        EXPECT_EQ(cell(Table_thi2, c.tdb, c.twb),
                  numtext::format_mask(Calc_Property(Kind_THI, state.Tdb, tdp), "###0.##"))
            << c.tdb << " " << c.twb;
    }
    EXPECT_TRUE(reports.empty());
}

// The RH table at Tdb 6 over wet bulbs 0 to 6 is the air of each wet bulb, where the fit alone would
// give air with another wet bulb; its Twb 5 row reads as the State sheet does for that entry.
TEST_F(Table_Cells, TheRhTableAtLowDryBulbsHoldsTheAirOfEachWetBulb) {
    const Table_Texts texts = compute_table(Table_rh, {6, 6, 1}, {0, 6, 1}, Standard_Patm);
    Air_State state;
    state.Tdb = 6;
    state.Pws = Calc_Property(Kind_Pws, state.Tdb);
    for (int twb = 0; twb < 6; ++twb) {
        const float rh = std::stof(texts.at(1, twb + 1));
        const float pw = Calc_Property(Kind_Pw_RH, state.Pws, rh);
        EXPECT_NEAR(Calc_Property(Kind_Twb, state.Tdb, Calc_Property(Kind_Tdp, state.Tdb, pw)), twb, 0.01f) << twb;
    }
    EXPECT_EQ(texts.at(1, 6), "84.37");
    EXPECT_EQ(texts.at(1, 7), "100");
    EXPECT_TRUE(reports.empty());
}

TEST_F(Table_Cells, EveryColumnOfTheRhTableReads100OnItsDiagonal) {
    const Table_Texts texts = compute_table(Table_rh, {-40, 70, 1}, {-40, 70, 1}, Standard_Patm);
    for (std::int64_t c = 1; c < texts.cols(); ++c) EXPECT_EQ(texts.at(c, c), "100") << "Tdb " << texts.at(c, 0);
    EXPECT_TRUE(reports.empty());
}

// Their Tdb is shown as its header shows it, also where a float would round it.
TEST_F(Table_Cells, SaturatedDewPointCellsShowTheirColumnHeader) {
    const struct {
        Table_Kind kind;
        Table_Span tdb;
        Table_Span rows;
    } cases[] = {
        {Table_tdp1, {INT_MAX - 1, INT_MAX, 1}, {100, 100, 1}},
        {Table_tdp1, {16777217, 16777217, 1}, {100, 100, 1}},
        {Table_tdp2, {INT_MIN, INT_MIN + 1, 1}, {INT_MIN, INT_MIN + 1, 1}},
        {Table_tdp2, {-16777217, -16777217, 1}, {-16777217, -16777217, 1}},
    };
    for (const auto& c : cases) {
        const Table_Texts texts = compute_table(c.kind, c.tdb, c.rows, Standard_Patm);
        for (std::int64_t col = 1; col < texts.cols(); ++col) {
            const std::int64_t row = c.kind == Table_tdp1 ? 1 : col;
            EXPECT_EQ(texts.at(col, row), texts.at(col, 0)) << sheet_definition(c.kind).tag;
        }
    }
}

TEST_F(Table_Cells, CellsOutsideTheEnginesDomainShowNoValueAndReportNothing) {
    const Table_Kind rh_row_tables[] = {Table_twb,  Table_wbd,  Table_vpd1, Table_vpd2,
                                        Table_tdp1, Table_thi1, Table_ahd1, Table_ahd2};
    for (const Table_Kind kind : rh_row_tables) {
        EXPECT_EQ(cell(kind, 20, -1), "N/A") << sheet_definition(kind).tag;
        EXPECT_EQ(cell(kind, -30, -100), "N/A") << sheet_definition(kind).tag;
        const std::string at_dry_air =
            kind == Table_vpd1 ? numtext::format_mask(Calc_Property(Kind_Pws, 20), "###0.###") : "N/A";
        EXPECT_EQ(cell(kind, 20, 0), at_dry_air) << sheet_definition(kind).tag;
    }
    // A Tdb below absolute zero, and a wet bulb whose column has no lowest wet bulb.
    EXPECT_EQ(cell(Table_twb, -274, 50), "N/A");
    EXPECT_EQ(cell(Table_rh, -274, -300), "N/A");
    EXPECT_EQ(cell(Table_tdp1, -274, 100), "-274") << "saturated Tdp1 needs no engine";
    EXPECT_TRUE(reports.empty()) << reports.front().first;
}

TEST(Table_Checks, LimitsInOrderAndTheSizeLimitWithoutOverflow) {
    const struct {
        Table_Span tdb;
        Table_Span rows;
        Table_Refusal expected;
    } cases[] = {
        {{20, 10, 1}, {100, 50, 1}, Table_Refusal::Tdb_Order},
        {{20, 40, 1}, {100, 50, 5}, Table_Refusal::Row_Order},
        {{25, 25, 1}, {50, 50, 1}, Table_Refusal::None},
        {{0, 998, 1}, {0, 998, 1}, Table_Refusal::None},       // 1000 x 1000 cells
        {{0, 998, 1}, {0, 999, 1}, Table_Refusal::Too_Large},  // 1000 x 1001
        {{0, 499998, 1}, {7, 7, 1}, Table_Refusal::None},      // 500000 x 2
        {{INT_MIN, INT_MAX, 1}, {INT_MIN, INT_MAX, 1}, Table_Refusal::Too_Large},
        {{INT_MIN, INT_MAX, 10}, {0, 0, 1}, Table_Refusal::Too_Large},
    };
    for (const auto& c : cases) EXPECT_EQ(check_table(c.tdb, c.rows), c.expected) << c.tdb.high << " " << c.rows.high;
}

TEST(Table_Checks, ALoopEndsAtTheLargestIntegerWithoutWrapping) {
    const Table_Texts texts =
        compute_table(Table_vpd1, {INT_MAX - 6, INT_MAX, 3}, {INT_MAX - 1, INT_MAX, 1}, Standard_Patm);
    EXPECT_EQ(texts.cols(), 4);
    EXPECT_EQ(texts.rows(), 3);
    EXPECT_EQ(texts.at(3, 0), std::to_string(INT_MAX));
    EXPECT_EQ(texts.at(0, 2), std::to_string(INT_MAX));
}

}  // namespace
