#include "ui/focus_walk.h"

namespace ui {

void focus_next_child(const Win_Control& container, int wrap_from_end, int wrap_back) {
    const int count = container.child_count();
    int next = 1;
    for (int i = 0; i < count; ++i) {
        const Control& control = container.child(i);
        if (control.windowed() && static_cast<const Win_Control&>(control).focused()) next = i + 1;
    }
    if (next == count - wrap_from_end) next -= wrap_back;
    Control& target = container.child(next);
    if (target.windowed()) static_cast<Win_Control&>(target).set_focus();
}

}  // namespace ui
