#pragma once

#include <functional>
#include <type_traits>

namespace ui {

// An event that runs the window's method with the event's arguments.
template <class Window, class... Args>
std::function<void(Args...)> calling(std::type_identity_t<Window>* window, void (Window::*method)(Args...)) {
    return [window, method](Args... args) { (window->*method)(args...); };
}

}  // namespace ui
