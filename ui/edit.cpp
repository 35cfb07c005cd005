#include "ui/edit.h"

#include <algorithm>

namespace ui {

Edit::Edit(Form& form, Win_Control* parent, std::string name)
    : Win_Control(form, parent, std::move(name), Control_Kind::Edit) {
    set_tab_stop(true);
    set_color(Color_Window);
}

void Edit::set_read_only(bool read_only) {
    read_only_ = read_only;
    changed();
}

void Edit::set_caption(std::string caption) {
    sel_start_ = 0;
    sel_length_ = 0;
    Win_Control::set_caption(std::move(caption));
}

void Edit::focus_arrived(Focus_Cause cause) {
    // Reached by the keyboard or the program, a field selects its text, so typing replaces it.
    if (cause != Focus_Cause::Mouse) select_all();
}

void Edit::set_selection(int start, int length) {
    sel_start_ = start;
    sel_length_ = length;
    clamp_selection();
    changed();
}

void Edit::select_all() { set_selection(0, static_cast<int>(text().size())); }

void Edit::clamp_selection() {
    const int size = static_cast<int>(text().size());
    sel_start_ = std::clamp(sel_start_, 0, size);
    sel_length_ = std::clamp(sel_length_, 0, size - sel_start_);
}

void Edit::replace_selection(const std::string& with) {
    clamp_selection();
    std::string updated = text();
    updated.replace(static_cast<std::size_t>(sel_start_), static_cast<std::size_t>(sel_length_), with);
    const int caret = sel_start_ + static_cast<int>(with.size());
    Win_Control::set_caption(std::move(updated));
    sel_start_ = caret;
    sel_length_ = 0;
    changed();
}

void Edit::type_char(char key) {
    if (read_only_) return;
    clamp_selection();
    if (key == '\b') {
        if (sel_length_ == 0 && sel_start_ > 0) {
            --sel_start_;
            sel_length_ = 1;
        }
        replace_selection("");
        return;
    }
    // Other control characters (Ctrl+V included) edit nothing: the program uses no clipboard.
    if (static_cast<unsigned char>(key) < 32) return;
    replace_selection(std::string(1, key));
}

void Edit::press_key(Key key) {
    clamp_selection();
    const int size = static_cast<int>(text().size());
    switch (key) {
    case Key::Left: set_selection(sel_length_ > 0 ? sel_start_ : sel_start_ - 1, 0); break;
    case Key::Right: set_selection(sel_length_ > 0 ? sel_start_ + sel_length_ : sel_start_ + 1, 0); break;
    case Key::Home: set_selection(0, 0); break;
    case Key::End: set_selection(size, 0); break;
    case Key::Delete:
        if (read_only_) return;
        if (sel_length_ == 0 && sel_start_ < size) sel_length_ = 1;
        replace_selection("");
        break;
    default: break;
    }
}

}  // namespace ui
