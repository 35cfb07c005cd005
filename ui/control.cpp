#include "ui/control.h"

#include "ui/win_control.h"

namespace ui {

Control::Control(Form& form, Win_Control* parent, std::string name, Control_Kind kind)
    : form_(form), parent_(parent), name_(std::move(name)), kind_(kind) {
    // A windowed control joins its parent from its own constructor, once it is one.
    if (parent_ && !windowed()) parent_->add_child(*this);
}

bool Control::windowed() const {
    switch (kind_) {
    case Control_Kind::Bevel:
    case Control_Kind::Image:
    case Control_Kind::Label:
    case Control_Kind::Speed_Button: return false;
    default: return true;
    }
}

// The form owns and destroys all its controls together; none leaves its parent earlier.
Control::~Control() = default;

void Control::set_bounds(Rect bounds) {
    bounds_ = bounds;
    changed();
}

// Anchored on both sides the size follows the parent; anchored on the far side only, the place.
void Control::follow_parent(int grow_x, int grow_y) {
    Rect moved = bounds_;
    if (anchors_.right) (anchors_.left ? moved.width : moved.left) += grow_x;
    if (anchors_.bottom) (anchors_.top ? moved.height : moved.top) += grow_y;
    if (!(moved == bounds_)) set_bounds(moved);
}

void Control::set_caption(std::string caption) {
    if (caption == text_) return;
    text_ = std::move(caption);
    changed();
}

void Control::set_enabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    changed();
}

void Control::set_visible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    changed();
}

bool Control::effectively_enabled() const { return enabled_ && (parent_ == nullptr || parent_->effectively_enabled()); }

bool Control::showing() const { return visible_ && (parent_ == nullptr || parent_->showing()); }

void Control::set_color(Color color) {
    color_ = color;
    changed();
}

void Control::set_font(Font font) {
    font_ = std::move(font);
    changed();
}

void Control::set_hint(std::string hint) { hint_ = std::move(hint); }

void Control::set_alignment(Alignment alignment) {
    alignment_ = alignment;
    changed();
}

void Control::set_cursor(Cursor cursor) {
    cursor_ = cursor;
    changed();
}

void Control::changed() {
    if (view_) view_->control_changed();
}

std::string shown_caption(const std::string& caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                shown += '&';
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

}  // namespace ui
