#include "ui/win_control.h"

#include <algorithm>
#include <stdexcept>

#include "ui/form.h"

namespace ui {

Win_Control::Win_Control(Form& form, Win_Control* parent, std::string name, Control_Kind kind)
    : Control(form, parent, std::move(name), kind) {
    if (parent) parent->add_child(*this);
}

void Win_Control::add_child(Control& child) {
    auto first_windowed = std::find_if(children_.begin(), children_.end(), [](Control* c) { return c->windowed(); });
    children_.insert(first_windowed, &child);
}

void Win_Control::add_child(Win_Control& child) {
    children_.push_back(&child);
    tab_list_.push_back(&child);
}

void Win_Control::set_tab_order(int order) {
    if (!parent()) return;
    auto& list = parent()->tab_list_;
    list.erase(std::find(list.begin(), list.end(), this));
    const auto position = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + position, this);
}

bool Win_Control::can_focus() const { return showing() && effectively_enabled(); }

bool Win_Control::focused() const { return form().focused() == this; }

void Win_Control::set_focus() {
    if (!can_focus()) throw std::runtime_error("Cannot focus a disabled or invisible window");
    form().focus_control(this);
}

bool Win_Control::contains(const Control& control) const {
    for (const Control* c = &control; c; c = c->parent())
        if (c == this) return true;
    return false;
}

void Win_Control::release_focus_before_hiding() {
    Win_Control* focused = form().focused();
    if (focused && contains(*focused)) form().focus_control(nullptr);
}

void Win_Control::set_bounds(Rect bounds) {
    const int grow_x = bounds.width - this->bounds().width;
    const int grow_y = bounds.height - this->bounds().height;
    Control::set_bounds(bounds);
    if (grow_x == 0 && grow_y == 0) return;
    for (Control* child : children_) child->follow_parent(grow_x, grow_y);
}

void Win_Control::set_enabled(bool enabled) {
    if (!enabled && this->enabled()) release_focus_before_hiding();
    Control::set_enabled(enabled);
}

void Win_Control::set_visible(bool visible) {
    if (!visible && this->visible() && kind() != Control_Kind::Form) release_focus_before_hiding();
    Control::set_visible(visible);
}

}  // namespace ui
