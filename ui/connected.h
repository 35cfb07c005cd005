#pragma once

#include <stdexcept>

namespace ui {

// A window that another opens, once the start-up has connected the two.
template <class Window>
Window& connected(Window* window) {
    if (!window) throw std::logic_error("a window opened before the start-up connected it");
    return *window;
}

}  // namespace ui
