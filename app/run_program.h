#pragma once

#include <functional>
#include <string>

#include "ui/application.h"

namespace app {

// A program from start to end: opens Qt on argv (neither program reads an argument), lets
// create_windows make and connect the program's windows, the main window first, and runs until
// the user quits. once_open runs as soon as the Qt application exists, before any window is made.
// An error while the windows are made or run goes to the exception box, the report of a failed
// math function to its own box.
int run_program(int argc, char** argv, const std::string& name,
                const std::function<void(ui::Application&)>& create_windows,
                const std::function<void()>& once_open = {});

}  // namespace app
