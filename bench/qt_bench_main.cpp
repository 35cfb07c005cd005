#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "ui/qt/environment.h"
#include "ui/qt/fonts.h"

// The benchmarks that rasterise need a Qt application with the layouts' fonts.
int main(int argc, char** argv) {
    ui::qt::prepare_environment(true);
    QGuiApplication qt_application(argc, argv);
    ui::qt::install_font_substitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
