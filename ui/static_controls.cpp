#include "ui/static_controls.h"

namespace ui {

Label::Label(Form& form, Win_Control* parent, std::string name)
    : Control(form, parent, std::move(name), Control_Kind::Label) {}

void Label::set_transparent(bool transparent) {
    transparent_ = transparent;
    changed();
}

Bevel::Bevel(Form& form, Win_Control* parent, std::string name)
    : Control(form, parent, std::move(name), Control_Kind::Bevel) {}

Image::Image(Form& form, Win_Control* parent, std::string name)
    : Control(form, parent, std::move(name), Control_Kind::Image) {}

}  // namespace ui
