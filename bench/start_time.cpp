#include <QApplication>
#include <QWidget>

#include "bench/start_probe.h"
#include "ui/qt/environment.h"

// The yardstick for the program's start: a minimal Qt Widgets program that shows one window of
// the main window's size and paints it, in the same environment as the program.
int main(int argc, char** argv) {
    ui::qt::prepare_environment(false);
    QApplication application(argc, argv);
    bench::install_start_probe("Start_Window");
    QWidget window;
    window.setObjectName("Start_Window");
    window.setFixedSize(792, 541);
    window.show();
    return QApplication::exec();
}
