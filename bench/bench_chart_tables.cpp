#include <benchmark/benchmark.h>

#include "chart/chart_tables.h"
#include "state/air_state.h"

using chart::Calc_AHLines;
using chart::Calc_HLines;
using chart::Calc_PwLines;
using chart::Calc_RHCurves;
using chart::Calc_SVLines;
using chart::Calc_TLines;
using chart::Chart_Fields;
using state::Air_State;
using state::Derive_From_Tdb_RH;

namespace {

constexpr float Standard_Patm = 101.325f;

Air_State start_state() {
    Air_State state;
    state.Patm = Standard_Patm;
    state.Tdb = 20;
    state.RH = 50;
    Derive_From_Tdb_RH(state);
    return state;
}

// A chart with its pressure tables built and the right edge taken from the benchmark's argument.
Chart_Fields chart_with_edge(const benchmark::State& run) {
    Chart_Fields chart;
    Calc_RHCurves(chart, Standard_Patm);
    Calc_TLines(chart);
    chart.Tmax_Index = static_cast<int>(run.range(0));
    return chart;
}

// What a change of pressure rebuilds.
void BM_Pressure_Tables(benchmark::State& run) {
    Chart_Fields chart;
    for (auto _ : run) {
        Calc_RHCurves(chart, Standard_Patm);
        Calc_TLines(chart);
        benchmark::DoNotOptimize(chart.Sat_Y.data());
    }
}
BENCHMARK(BM_Pressure_Tables);

void BM_AH_Lines(benchmark::State& run) {
    Chart_Fields chart = chart_with_edge(run);
    for (auto _ : run) {
        Calc_AHLines(chart);
        benchmark::DoNotOptimize(chart.AH_Start_X.data());
    }
}
BENCHMARK(BM_AH_Lines)->Arg(70)->Arg(110);

void BM_Pw_Lines(benchmark::State& run) {
    Chart_Fields chart = chart_with_edge(run);
    for (auto _ : run) {
        Calc_PwLines(chart, Standard_Patm);
        benchmark::DoNotOptimize(chart.Pw_Start_X.data());
    }
}
BENCHMARK(BM_Pw_Lines)->Arg(70)->Arg(110);

void BM_H_Lines(benchmark::State& run) {
    Chart_Fields chart = chart_with_edge(run);
    const Air_State state = start_state();
    for (auto _ : run) {
        Calc_HLines(chart, state.H, state.Twb);
        benchmark::DoNotOptimize(chart.H_End_X.data());
    }
}
BENCHMARK(BM_H_Lines)->Arg(70)->Arg(110);

void BM_SV_Lines(benchmark::State& run) {
    Chart_Fields chart = chart_with_edge(run);
    const Air_State state = start_state();
    for (auto _ : run) {
        Calc_SVLines(chart, Standard_Patm, state.SV);
        benchmark::DoNotOptimize(chart.SV_End_X.data());
    }
}
BENCHMARK(BM_SV_Lines)->Arg(70)->Arg(110);

// All four, as every drawing rebuilds them.
void BM_Range_Tables(benchmark::State& run) {
    Chart_Fields chart = chart_with_edge(run);
    const Air_State state = start_state();
    for (auto _ : run) {
        Calc_AHLines(chart);
        Calc_PwLines(chart, Standard_Patm);
        Calc_HLines(chart, state.H, state.Twb);
        Calc_SVLines(chart, Standard_Patm, state.SV);
        benchmark::DoNotOptimize(chart.SV_End_X.data());
    }
}
BENCHMARK(BM_Range_Tables)->Arg(70)->Arg(110);

}  // namespace
