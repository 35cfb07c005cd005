#pragma once

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "ui/win_control.h"

namespace ui {

// A one-line text field with a caret and a selection. The selection runs from its anchor to the
// caret, so a drag or Shift with a key moves one end and keeps the other.
class Edit : public Win_Control {
public:
    Edit(Form& form, Win_Control* parent, std::string name);

    bool read_only() const { return read_only_; }
    void set_read_only(bool read_only);
    // A text set by the program keeps no undo: Undo takes back the user's edits only.
    void set_caption(std::string caption) override;
    void focus_arrived(Focus_Cause cause) override;

    int caret() const { return caret_; }
    int anchor() const { return anchor_; }
    int sel_start() const { return std::min(anchor_, caret_); }
    int sel_length() const { return std::abs(caret_ - anchor_); }
    std::string selected_text() const;
    // Selects length characters from start, with the caret at their end.
    void set_selection(int start, int length);
    void select_all();
    // The caret goes to position; with extend the anchor stays, so the selection stretches there.
    void place_caret(int position, bool extend);
    // Selects the word at position: a run of characters between spaces, so a number whole.
    void select_word_at(int position);

    // What the field does with a character the key filter let through: it replaces the
    // selection, and Backspace removes it (or the character before the caret).
    void type_char(char key);
    // Left, Right, Home and End move the caret (with extend, the selection's moving end);
    // Delete removes the selection or the character after the caret.
    void press_key(Key key, bool extend = false);

    // The user's edits other than typing, as the context menu makes them. A read-only field
    // changes by none of them.
    void delete_selection();
    // Puts the first line of text in place of the selection, as if it had been typed.
    void paste(const std::string& text);
    bool can_undo() const { return !read_only_ && undo_text_.has_value(); }
    // Puts back the text before the latest edit; a second Undo takes that back again.
    void undo();

private:
    // Replaces the selection by the user's text; a typed character joins the undo step of the
    // characters typed just before it.
    void edit_by_user(const std::string& with, bool typed);
    void move_caret(int caret, int anchor);

    bool read_only_ = false;
    int anchor_ = 0;
    int caret_ = 0;
    std::optional<std::string> undo_text_;
    bool typing_ = false;
};

}  // namespace ui
