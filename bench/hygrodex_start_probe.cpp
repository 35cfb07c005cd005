#include "app/hygrodex_program.h"
#include "bench/start_probe.h"

using app::run_hygrodex;

// Hygrodex exactly as shipped, with the start probe watching for the first paint of the chart.
int main(int argc, char** argv) {
    return run_hygrodex(argc, argv, [] { bench::install_start_probe("Chart_Image"); });
}
