#pragma once

#include <QApplication>

#include <memory>
#include <string>

namespace ui::qt {

// Makes the program's QApplication. Where Qt finds no display to open, it prints one line to
// stderr, naming the program and what it needs, and ends the process with status 1 in place of
// Qt's own abort. Qt's messages while it starts are held back and, once it has started, passed on.
std::unique_ptr<QApplication> open_application(int& argc, char** argv, const std::string& program);

}  // namespace ui::qt
