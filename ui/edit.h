#pragma once

#include "ui/win_control.h"

namespace ui {

// A one-line text field with a caret and a selection.
class Edit : public Win_Control {
public:
    Edit(Form& form, Win_Control* parent, std::string name);

    bool read_only() const { return read_only_; }
    void set_read_only(bool read_only);
    void set_caption(std::string caption) override;
    void focus_arrived(Focus_Cause cause) override;

    int sel_start() const { return sel_start_; }
    int sel_length() const { return sel_length_; }
    void set_selection(int start, int length);
    void select_all();

    // What the field does with a character the key filter let through.
    void type_char(char key);
    void press_key(Key key);

private:
    void replace_selection(const std::string& with);
    void clamp_selection();

    bool read_only_ = false;
    int sel_start_ = 0;
    int sel_length_ = 0;
};

}  // namespace ui
