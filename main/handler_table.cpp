#include "main/handler_table.h"

#include <stdexcept>
#include <string>

#include "ui/form.h"
#include "ui/menu.h"
#include "ui/win_control.h"

namespace hygrodex {

namespace {

bool take_suffix(std::string_view& name, std::string_view suffix) {
    if (!name.ends_with(suffix)) return false;
    name.remove_suffix(suffix.size());
    return true;
}

std::vector<ui::Control*> controls_of(ui::Form& form, const Handler& handler, std::string_view control_name) {
    if (!handler.controls.empty()) return handler.controls;
    if (control_name == "Form") return {&form};
    return {&form.get<ui::Control>(std::string(control_name))};
}

ui::Win_Control& windowed(ui::Control* control) { return dynamic_cast<ui::Win_Control&>(*control); }

}  // namespace

void Bind_Named_Handlers(ui::Form& form, std::span<const Handler> handlers) {
    for (const Handler& handler : handlers) {
        std::string_view control_name = handler.name;
        const std::function<void()> runs = handler.runs;
        const auto notify = [runs](ui::Control&) { runs(); };
        if (take_suffix(control_name, "Exit")) {
            for (ui::Control* control : controls_of(form, handler, control_name)) windowed(control).OnExit = notify;
        } else if (take_suffix(control_name, "Enter")) {
            for (ui::Control* control : controls_of(form, handler, control_name)) windowed(control).OnEnter = notify;
        } else if (take_suffix(control_name, "MouseMove")) {
            for (ui::Control* control : controls_of(form, handler, control_name))
                control->OnMouseMove = [runs](ui::Control&, ui::Shift_State, int, int) { runs(); };
        } else if (take_suffix(control_name, "Click")) {
            // A menu item is no control: the name is looked up in the menu bar first.
            ui::Main_Menu* bar = form.main_menu();
            if (ui::Menu_Item* item = bar ? bar->find(std::string(control_name)) : nullptr)
                item->OnClick = [runs](ui::Menu_Item&) { runs(); };
            else
                for (ui::Control* control : controls_of(form, handler, control_name)) control->OnClick = notify;
        } else {
            throw std::logic_error("no event in the handler name " + std::string(handler.name));
        }
    }
}

}  // namespace hygrodex
