#pragma once

#include <functional>

namespace app {

// Hygrodex from start to end: opens Qt on argv (the program itself reads no argument), makes the
// windows and runs until the user quits. once_open runs as soon as the Qt application exists,
// before any window is made.
int run_hygrodex(int argc, char** argv, const std::function<void()>& once_open = {});

}  // namespace app
