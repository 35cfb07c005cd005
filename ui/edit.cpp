#include "ui/edit.h"

#include <utility>

namespace ui {

namespace {

bool is_space(char c) { return c == ' ' || c == '\t'; }

// A single-line field takes a pasted text up to its first line break.
std::string first_line(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

}  // namespace

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
    anchor_ = 0;
    caret_ = 0;
    undo_text_.reset();
    typing_ = false;
    Win_Control::set_caption(std::move(caption));
}

void Edit::focus_arrived(Focus_Cause cause) {
    // Reached by the keyboard or the program, a field selects its text, so typing replaces it.
    if (cause != Focus_Cause::Mouse) select_all();
}

std::string Edit::selected_text() const {
    return text().substr(static_cast<std::size_t>(sel_start()), static_cast<std::size_t>(sel_length()));
}

void Edit::move_caret(int caret, int anchor) {
    const int size = static_cast<int>(text().size());
    caret_ = std::clamp(caret, 0, size);
    anchor_ = std::clamp(anchor, 0, size);
    typing_ = false;
    changed();
}

void Edit::set_selection(int start, int length) { move_caret(start + length, start); }

void Edit::select_all() { set_selection(0, static_cast<int>(text().size())); }

void Edit::place_caret(int position, bool extend) { move_caret(position, extend ? anchor_ : position); }

void Edit::select_word_at(int position) {
    const std::string& shown = text();
    const int size = static_cast<int>(shown.size());
    if (size == 0) return move_caret(0, 0);
    // The character right of the position, or the last one at the end of the text.
    const int probe = std::clamp(position, 0, size - 1);
    const bool spaces = is_space(shown[static_cast<std::size_t>(probe)]);
    int start = probe;
    int end = probe + 1;
    while (start > 0 && is_space(shown[static_cast<std::size_t>(start - 1)]) == spaces) --start;
    while (end < size && is_space(shown[static_cast<std::size_t>(end)]) == spaces) ++end;
    move_caret(end, start);
}

void Edit::edit_by_user(const std::string& with, bool typed) {
    if (read_only_ || (with.empty() && caret_ == anchor_)) return;
    if (!(typed && typing_)) undo_text_ = text();
    const int start = sel_start();
    std::string updated = text();
    updated.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(sel_length()), with);
    Win_Control::set_caption(std::move(updated));
    caret_ = anchor_ = start + static_cast<int>(with.size());
    typing_ = typed;
    changed();
}

void Edit::type_char(char key) {
    if (read_only_) return;
    if (key == '\b') {
        if (caret_ == anchor_ && caret_ > 0) anchor_ = caret_ - 1;
        return edit_by_user("", true);
    }
    // Other control characters (Ctrl+V included) edit nothing: the keyboard reaches no clipboard.
    if (static_cast<unsigned char>(key) < 32) return;
    edit_by_user(std::string(1, key), true);
}

void Edit::press_key(Key key, bool extend) {
    const int size = static_cast<int>(text().size());
    // Without Shift, Left and Right first collapse a selection onto its side.
    const bool collapse = !extend && caret_ != anchor_;
    switch (key) {
    case Key::Left: place_caret(collapse ? sel_start() : caret_ - 1, extend); break;
    case Key::Right: place_caret(collapse ? sel_start() + sel_length() : caret_ + 1, extend); break;
    case Key::Home: place_caret(0, extend); break;
    case Key::End: place_caret(size, extend); break;
    case Key::Delete:
        if (read_only_) break;
        if (caret_ == anchor_ && caret_ < size) anchor_ = caret_ + 1;
        edit_by_user("", false);
        break;
    default: break;
    }
}

void Edit::delete_selection() { edit_by_user("", false); }

void Edit::paste(const std::string& text) { edit_by_user(first_line(text), false); }

void Edit::undo() {
    if (!can_undo()) return;
    std::string restored = std::exchange(*undo_text_, text());
    Win_Control::set_caption(std::move(restored));
    const int end = static_cast<int>(this->text().size());
    move_caret(end, end);
}

}  // namespace ui
