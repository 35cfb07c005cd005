#include "tests/support/driver.h"

#include <stdexcept>

#include "ui/application.h"
#include "ui/containers.h"
#include "ui/edit.h"
#include "ui/string_grid.h"
#include "ui/user_input.h"

namespace test_support {

std::string Driver::text(const std::string& name) const {
    const ui::Control* control = form_.find(name);
    if (!control) throw std::logic_error("no control " + name);
    return control->text();
}

ui::Action& Driver::action(const std::string& name) const {
    ui::Action* action = form_.find_action(name);
    if (!action) throw std::logic_error("no action " + name);
    return *action;
}

std::string Driver::focused_name() const { return form_.focused() ? form_.focused()->name() : std::string(); }

void Driver::press_into(const std::string& name) { ui::user::press_into(get<ui::Win_Control>(name)); }

void Driver::press_at(const std::string& name, int position, bool shift) {
    ui::Shift_State held;
    held.shift = shift;
    ui::user::press_into(get<ui::Edit>(name), position, held);
}

void Driver::drag_to(const std::string& name, int position) { ui::user::drag_in(get<ui::Edit>(name), position); }

void Driver::double_click(const std::string& name, int position) {
    ui::user::double_click(get<ui::Edit>(name), position);
}

void Driver::choose_edit_command(const std::string& name, ui::Edit_Command command) {
    ui::user::choose_edit_command(get<ui::Edit>(name), command);
}

void Driver::click(const std::string& name) {
    ui::Control* control = form_.find(name);
    if (!control) throw std::logic_error("no control " + name);
    ui::user::click(*control);
}

void Driver::enter_text(const std::string& name, const std::string& text) {
    auto& edit = get<ui::Edit>(name);
    form_.application().dispatch([&] { form_.focus_control(&edit, ui::Focus_Cause::Keyboard); });
    if (form_.focused() == &edit) type(text);
}

void Driver::type(const std::string& keys) {
    for (char c : keys) key(c);
}

void Driver::key(char key) { ui::user::type(form_, key); }
void Driver::press(ui::Key key, ui::Shift_State shift) { ui::user::press_key(form_, key, shift); }

void Driver::press_ctrl(ui::Key key, bool shift) {
    ui::Shift_State held;
    held.ctrl = true;
    held.shift = shift;
    press(key, held);
}

void Driver::select_page(int index) {
    for (ui::Control* control : form_.controls())
        if (auto* pages = dynamic_cast<ui::Page_Control*>(control)) return ui::user::select_page(*pages, index);
    throw std::logic_error("no page control on " + form_.name());
}

void Driver::select_page(const std::string& caption) {
    for (ui::Control* control : form_.controls()) {
        auto* pages = dynamic_cast<ui::Page_Control*>(control);
        if (!pages) continue;
        for (std::size_t i = 0; i < pages->pages().size(); ++i)
            if (pages->pages()[i]->caption() == caption) return ui::user::select_page(*pages, static_cast<int>(i));
    }
    throw std::logic_error("no page " + caption);
}

void Driver::move_track_bar(const std::string& name, int position) {
    ui::user::move_track_bar(get<ui::Track_Bar>(name), position);
}

void Driver::mouse_move(const std::string& name, int x, int y) {
    ui::Control* control = form_.find(name);
    if (!control && name == form_.name()) control = &form_;
    if (!control) throw std::logic_error("no control " + name);
    ui::user::mouse_move(*control, x, y);
}

void Driver::mouse_down(const std::string& name, int x, int y, ui::Mouse_Button button) {
    ui::Control* control = form_.find(name);
    if (!control) throw std::logic_error("no control " + name);
    ui::user::mouse_down(*control, button, x, y);
}

void Driver::select_cells(const std::string& grid_name, int anchor_col, int anchor_row, int col, int row) {
    ui::user::select_cells(get<ui::String_Grid>(grid_name), anchor_col, anchor_row, col, row);
}

void Driver::scroll_cells(const std::string& grid_name, int left_col, int top_row) {
    ui::user::scroll_cells(get<ui::String_Grid>(grid_name), left_col, top_row);
}

void Driver::resize(int width, int height) { ui::user::resize(form_, width, height); }

void Driver::execute(const std::string& action_name) {
    ui::Action& run = action(action_name);
    form_.application().dispatch([&run] { run.execute(); });
}

void Driver::menu(const std::string& item_name) {
    ui::Menu_Item* item = form_.main_menu() ? form_.main_menu()->find(item_name) : nullptr;
    if (!item) throw std::logic_error("no menu item " + item_name);
    ui::user::choose_menu(form_, *item);
}

void Driver::close() { ui::user::close(form_); }

}  // namespace test_support
