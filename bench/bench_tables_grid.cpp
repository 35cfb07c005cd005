#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>

#include <string>

#include "tables/tables.h"
#include "ui/application.h"
#include "ui/qt/environment.h"
#include "ui/qt/qt_front_end.h"

using tables::Table_Sheet;
using tables::Table_vpd1;
using tables::Tpsytable;

namespace {

// The tables window on screen after a "List" of a table of Tdb -40 upwards and the given count
// of RH rows and Tdb columns, headers included.
struct Listed_Window {
    explicit Listed_Window(int grid_lines) {
        application.set_front_end(front_end);
        window.Connect_Patm({.text = [] { return std::string("101.325"); },
                             .acceptable = [](float) { return true; },
                             .applied = [] { return 101.325f; }});
        window.Get_Patm();
        front_end.show(window);
        window.psytable->set_active_page(window.Sheets[Table_vpd1].sheet);
        const Table_Sheet& sheet = window.Sheets[Table_vpd1];
        sheet.tdb_low->set_text("-40");
        sheet.tdb_high->set_text(std::to_string(-40 + grid_lines - 2));
        sheet.row_low->set_text("0");
        sheet.row_high->set_text(std::to_string(grid_lines - 2));
        sheet.row_step->set_position(1);
        window.Btn_countClick(*window.Btn_count);
        QApplication::processEvents();
    }

    QWidget& grid() const { return *front_end.window_of(window)->findChild<QTableView*>("StringGrid_table"); }

    ui::Application application{"Hygrodex"};
    ui::qt::Qt_Front_End front_end{application};
    Tpsytable& window = application.create_form<Tpsytable>();
};

// Painting the shown part of the grid: the same work for every size of table.
void BM_Repaint_Grid_After_List(benchmark::State& state) {
    Listed_Window listed(static_cast<int>(state.range(0)));
    QWidget& grid = listed.grid();
    for (auto _ : state) benchmark::DoNotOptimize(grid.grab());
    state.SetLabel(std::to_string(state.range(0)) + " x " + std::to_string(state.range(0)) + " cells");
}
BENCHMARK(BM_Repaint_Grid_After_List)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    ui::qt::prepare_environment(true);
    QApplication qt_application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
