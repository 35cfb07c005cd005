#pragma once

#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace ui {
class Control;
class Form;
}  // namespace ui

namespace hygrodex {

// A handler of a window as its event is named: the control's name followed by the event
// ("Edit_2tdb1Exit": the exit of Edit_2tdb1; "TwbfClick": the click of the menu item Twbf; a
// handler of the window itself starts with "Form"), and what it runs.
struct Handler {
    std::string_view name;
    std::function<void()> runs;
    // The controls it serves when there are several, in place of the one its name starts with.
    std::vector<ui::Control*> controls = {};
};

// Binds each handler to the event its name ends in: Click, Enter, Exit or MouseMove.
void Bind_Named_Handlers(ui::Form& form, std::span<const Handler> handlers);

}  // namespace hygrodex
