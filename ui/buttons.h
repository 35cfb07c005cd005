#pragma once

#include "ui/win_control.h"

namespace ui {

// A flat button without a window: it takes no focus.
class Speed_Button : public Control {
public:
    Speed_Button(Form& form, Win_Control* parent, std::string name);
    int group_index() const { return group_index_; }
    void set_group_index(int index) { group_index_ = index; }
    bool allow_all_up() const { return allow_all_up_; }
    void set_allow_all_up(bool allow) { allow_all_up_ = allow; }
    bool down() const { return down_; }
    // Pressing one button of a group releases the others; fires nothing.
    void set_down(bool down);
    // What a user's click does: the button goes down or up as its group allows, then OnClick.
    void click();

private:
    int group_index_ = 0;
    bool allow_all_up_ = false;
    bool down_ = false;
};

// A push button, optionally with a glyph.
class Button : public Win_Control {
public:
    Button(Form& form, Win_Control* parent, std::string name);
    int modal_result() const { return modal_result_; }
    void set_modal_result(int result) { modal_result_ = result; }
    bool is_default() const { return default_; }
    void set_default(bool is_default) { default_ = is_default; }
    bool is_cancel() const { return cancel_; }
    void set_cancel(bool is_cancel) { cancel_ = is_cancel; }
    const std::string& glyph() const { return glyph_; }
    void set_glyph(std::string glyph);
    // The press itself, after the focus has come: the modal result is set before OnClick.
    void click();

private:
    int modal_result_ = Mr_None;
    bool default_ = false;
    bool cancel_ = false;
    std::string glyph_;
};

class Check_Box : public Win_Control {
public:
    Check_Box(Form& form, Win_Control* parent, std::string name);
    bool checked() const { return checked_; }
    // Every change of the tick fires OnClick, from the program as from the user.
    void set_checked(bool checked);
    void toggle() { set_checked(!checked_); }

private:
    bool checked_ = false;
};

}  // namespace ui
