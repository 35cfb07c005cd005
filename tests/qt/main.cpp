#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/environment.h"

// The front end's tests need a QApplication, on the offscreen platform unless one is chosen.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ui::qt::prepare_environment(true);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
