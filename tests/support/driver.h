#pragma once

#include <string>

#include "ui/edit_menu.h"
#include "ui/form.h"
#include "ui/types.h"

namespace test_support {

// Drives one form by control names exactly as a user would: every action goes through the
// window layer's user input, so focus moves, exits, key filters and dispatch all run.
class Driver {
public:
    explicit Driver(ui::Form& form) : form_(form) {}

    ui::Form& form() const { return form_; }
    template <class T>
    T& get(const std::string& name) const {
        return form_.get<T>(name);
    }
    std::string text(const std::string& name) const;
    ui::Action& action(const std::string& name) const;
    std::string focused_name() const;

    // A mouse press into a field (no select-all) or any click on a control.
    void press_into(const std::string& name);
    void click(const std::string& name);
    // The mouse in a field at a character position: a press (with Shift, one that stretches the
    // selection), a drag on from the press, a double-click; and a command of its context menu.
    void press_at(const std::string& name, int position, bool shift = false);
    void drag_to(const std::string& name, int position);
    void double_click(const std::string& name, int position);
    void choose_edit_command(const std::string& name, ui::Edit_Command command);
    // Focuses the field as Tab would (its text selected) and types over it.
    void enter_text(const std::string& name, const std::string& text);
    void type(const std::string& keys);
    void key(char key);
    void press(ui::Key key, ui::Shift_State shift = {});
    // The key with Ctrl held (and Shift where asked).
    void press_ctrl(ui::Key key, bool shift = false);
    void tab() { press(ui::Key::Tab); }
    void enter() { key('\r'); }
    void escape() { key(27); }
    void select_page(int index);
    void select_page(const std::string& caption);
    void move_track_bar(const std::string& name, int position);
    void mouse_move(const std::string& name, int x, int y);
    void mouse_down(const std::string& name, int x, int y, ui::Mouse_Button button = ui::Mouse_Button::Left);
    // A press on one cell of a grid and a drag to another.
    void select_cells(const std::string& grid_name, int anchor_col, int anchor_row, int col, int row);
    // The grid's scroll bars moved to show these cells first.
    void scroll_cells(const std::string& grid_name, int left_col, int top_row);
    // The user drags the border of a sizeable window to this client size.
    void resize(int width, int height);
    void menu(const std::string& item_name);
    // Runs an action as its shortcut or a control linked to it would.
    void execute(const std::string& action_name);
    void close();

private:
    ui::Form& form_;
};

}  // namespace test_support
