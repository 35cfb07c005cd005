#include "ui/user_input.h"

#include <optional>

#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/edit.h"
#include "ui/string_grid.h"

namespace ui::user {

namespace {

void as_event(Form& form, Focus_Cause cause, const std::function<void()>& handler) {
    const Form::Input_Scope scope(form, cause);
    form.application().dispatch(handler);
}

void as_key_event(Form& form, const std::function<void()>& handler) { as_event(form, Focus_Cause::Keyboard, handler); }
void as_mouse_event(Form& form, const std::function<void()>& handler) { as_event(form, Focus_Cause::Mouse, handler); }

bool can_press(const Control& control) { return control.showing() && control.effectively_enabled(); }

// A push button, check box or track bar takes the focus before it acts; an exception out of the
// left field's exit stops the press.
bool take_focus(Win_Control& control) {
    if (!control.can_focus()) return false;
    control.form().focus_control(&control, Focus_Cause::Mouse);
    return true;
}

// Ctrl+Tab and Ctrl+PgDn step to the next page, Ctrl+Shift+Tab and Ctrl+PgUp to the previous one,
// from any control; Left and Right do so while the page control itself has the focus. Other keys
// give no step.
std::optional<bool> page_step(Key key, Shift_State shift, bool page_control_focused) {
    if (shift.ctrl && (key == Key::Tab || key == Key::Page_Down)) return true;
    if (shift.ctrl && (key == Key::Back_Tab || key == Key::Page_Up)) return false;
    if (page_control_focused && !shift.ctrl && (key == Key::Right || key == Key::Left)) return key == Key::Right;
    return std::nullopt;
}

// The page control that holds the focus, or else the form's first.
Page_Control* page_control_for_keys(const Form& form) {
    Page_Control* first = nullptr;
    for (Control* control : form.controls()) {
        auto* pages = dynamic_cast<Page_Control*>(control);
        if (!pages) continue;
        if (form.focused() && pages->contains(*form.focused())) return pages;
        if (!first) first = pages;
    }
    return first;
}

}  // namespace

void press_into(Win_Control& control) {
    as_mouse_event(control.form(), [&] { take_focus(control); });
}

void press_into(Edit& edit, int position, Shift_State shift) {
    as_mouse_event(edit.form(), [&edit, position, shift] {
        if (take_focus(edit) && edit.focused()) edit.place_caret(position, shift.shift);
    });
}

void drag_in(Edit& edit, int position) {
    as_mouse_event(edit.form(), [&edit, position] {
        if (edit.focused()) edit.place_caret(position, true);
    });
}

void double_click(Edit& edit, int position) {
    as_mouse_event(edit.form(), [&edit, position] {
        if (take_focus(edit) && edit.focused()) edit.select_word_at(position);
    });
}

void choose_edit_command(Edit& edit, Edit_Command command) {
    as_mouse_event(edit.form(), [&edit, command] {
        if (edit.focused()) run_edit_command(edit, command, edit.form().application().front_end());
    });
}

void click(Control& control) {
    as_mouse_event(control.form(), [&] {
        if (!can_press(control)) return;
        switch (control.kind()) {
        case Control_Kind::Button:
            if (take_focus(static_cast<Button&>(control))) static_cast<Button&>(control).click();
            break;
        case Control_Kind::Check_Box:
            if (take_focus(static_cast<Check_Box&>(control))) static_cast<Check_Box&>(control).toggle();
            break;
        case Control_Kind::Speed_Button: static_cast<Speed_Button&>(control).click(); break;
        case Control_Kind::Edit:
        case Control_Kind::Track_Bar:
        case Control_Kind::Group_Box: take_focus(static_cast<Win_Control&>(control)); break;
        default:
            if (control.OnClick) control.OnClick(control);
            break;
        }
    });
}

void type(Form& form, char key) {
    as_key_event(form, [&form, key]() mutable {
        Win_Control* focused = form.focused();
        auto* focused_button = dynamic_cast<Button*>(focused);
        if (key == '\r' || key == 27) {
            // Enter and Escape are dialog keys: a focused button, or the default or cancel
            // button, takes them before any key filter sees them.
            if (focused_button && key == '\r') return focused_button->click();
            if (Button* button = key == '\r' ? form.default_button() : form.cancel_button()) return button->click();
        }
        if (!focused) return;
        if (focused->OnKeyPress) focused->OnKeyPress(*focused, key);
        if (key == 0) return;
        if (auto* edit = dynamic_cast<Edit*>(focused)) edit->type_char(key);
        else if (focused_button && key == ' ') focused_button->click();
        else if (auto* box = dynamic_cast<Check_Box*>(focused); box && key == ' ') box->toggle();
    });
}

void press_key(Form& form, Key key, Shift_State shift) {
    as_key_event(form, [&form, key, shift] {
        Win_Control* focused = form.focused();
        const bool on_page_control = dynamic_cast<Page_Control*>(focused) != nullptr;
        if (const std::optional<bool> forward = page_step(key, shift, on_page_control)) {
            if (Page_Control* pages = page_control_for_keys(form)) pages->step_page_by_user(*forward);
            return;
        }
        if (key == Key::Tab || key == Key::Back_Tab) return form.select_next(key == Key::Tab);
        if (auto* edit = dynamic_cast<Edit*>(focused)) edit->press_key(key, shift.shift);
        else if (auto* bar = dynamic_cast<Track_Bar*>(focused)) bar->press_key(key);
        else if (auto* grid = dynamic_cast<String_Grid*>(focused)) grid->press_key(key, shift);
    });
}

void select_page(Page_Control& pages, int index) {
    as_mouse_event(pages.form(), [&pages, index] {
        if (can_press(pages)) pages.select_page_by_user(index);
    });
}

void move_track_bar(Track_Bar& bar, int position) {
    as_mouse_event(bar.form(), [&bar, position] {
        if (take_focus(bar)) bar.set_position(position);
    });
}

void mouse_move(Control& control, int x, int y, Shift_State shift) {
    as_mouse_event(control.form(), [&control, x, y, shift] {
        if (control.effectively_enabled() && control.OnMouseMove) control.OnMouseMove(control, shift, x, y);
    });
}

void mouse_down(Control& control, Mouse_Button button, int x, int y, Shift_State shift) {
    as_mouse_event(control.form(), [&control, button, x, y, shift] {
        if (!can_press(control)) return;
        if (control.windowed() && !take_focus(static_cast<Win_Control&>(control))) return;
        if (control.OnMouseDown) control.OnMouseDown(control, button, shift, x, y);
    });
}

void select_cells(String_Grid& grid, int anchor_col, int anchor_row, int col, int row) {
    as_mouse_event(grid.form(), [&grid, anchor_col, anchor_row, col, row] {
        if (can_press(grid) && take_focus(grid)) grid.select(anchor_col, anchor_row, col, row);
    });
}

void scroll_cells(String_Grid& grid, int left_col, int top_row) {
    as_mouse_event(grid.form(), [&grid, left_col, top_row] {
        if (can_press(grid)) grid.scroll_to(left_col, top_row);
    });
}

void resize(Form& form, int width, int height) {
    as_event(form, Focus_Cause::Program, [&form, width, height] {
        if (!form.sizeable()) return;
        const Rect& bounds = form.bounds();
        form.set_bounds({bounds.left, bounds.top, width, height});
    });
}

void choose_menu(Form& form, Menu_Item& item) {
    as_event(form, Focus_Cause::Program, [&item] { item.click(); });
}

void close(Form& form) {
    as_event(form, Focus_Cause::Program, [&form] { form.close(); });
}

}  // namespace ui::user
