#include <benchmark/benchmark.h>

#include "tables/table_cells.h"

using tables::compute_table;
using tables::Row_Axis;
using tables::sheet_definition;
using tables::Table_ahd2;
using tables::Table_Count;
using tables::Table_Kind;
using tables::Table_rh;
using tables::Table_Span;

namespace {

constexpr float Standard_Patm = 101.325f;

// The largest table the range warnings allow: Tdb -40 to 70, RH 0 to 100 or Twb -40 to 70,
// steps 1; texts included.
void BM_List_Largest_Warned_Table(benchmark::State& state) {
    const auto kind = static_cast<Table_Kind>(state.range(0));
    const Table_Span rows =
        sheet_definition(kind).rows == Row_Axis::RH ? Table_Span{0, 100, 1} : Table_Span{-40, 70, 1};
    for (auto _ : state) benchmark::DoNotOptimize(compute_table(kind, {-40, 70, 1}, rows, Standard_Patm));
    state.SetLabel(std::string(sheet_definition(kind).page_caption));
}
BENCHMARK(BM_List_Largest_Warned_Table)->DenseRange(0, Table_Count - 1)->Unit(benchmark::kMillisecond);

// The largest table the size limit allows: 1000 x 1000 cells, headers included.
void BM_List_Largest_Allowed_Table(benchmark::State& state) {
    const auto kind = static_cast<Table_Kind>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(compute_table(kind, {-40, 958, 1}, {0, 998, 1}, Standard_Patm));
    state.SetLabel(std::string(sheet_definition(kind).page_caption));
}
BENCHMARK(BM_List_Largest_Allowed_Table)->Arg(Table_ahd2)->Arg(Table_rh)->Unit(benchmark::kMillisecond);

}  // namespace
