#include "ui/buttons.h"

#include "ui/form.h"

namespace ui {

Speed_Button::Speed_Button(Form& form, Win_Control* parent, std::string name)
    : Control(form, parent, std::move(name), Control_Kind::Speed_Button) {}

void Speed_Button::set_down(bool down) {
    if (group_index_ == 0) down = false;
    if (down == down_) return;
    if (down_ && !allow_all_up_) return;
    down_ = down;
    changed();
    if (!down_ || !parent()) return;
    for (Control* sibling : parent()->children()) {
        auto* other = dynamic_cast<Speed_Button*>(sibling);
        if (other && other != this && other->group_index_ == group_index_ && other->down_) {
            other->down_ = false;
            other->changed();
        }
    }
}

void Speed_Button::click() {
    if (group_index_ != 0) set_down(!down_);
    if (OnClick) OnClick(*this);
}

Button::Button(Form& form, Win_Control* parent, std::string name)
    : Win_Control(form, parent, std::move(name), Control_Kind::Button) {
    set_tab_stop(true);
}

void Button::set_glyph(std::string glyph) {
    glyph_ = std::move(glyph);
    changed();
}

void Button::click() {
    if (modal_result_ != Mr_None) form().set_modal_result(modal_result_);
    if (OnClick) OnClick(*this);
}

Check_Box::Check_Box(Form& form, Win_Control* parent, std::string name)
    : Win_Control(form, parent, std::move(name), Control_Kind::Check_Box) {
    set_tab_stop(true);
}

void Check_Box::set_checked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    changed();
    if (OnClick) OnClick(*this);
}

}  // namespace ui
