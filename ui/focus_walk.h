#pragma once

#include "ui/win_control.h"

namespace ui {

// Enter's walk through a container whose labels come before its fields: the focus goes from the
// focused windowed child to the child after it; where that position reaches the count of children
// less wrap_from_end, it goes back by wrap_back. With no child focused the position is the second
// child's, a label's in such a container, and a label takes no focus.
void focus_next_child(const Win_Control& container, int wrap_from_end, int wrap_back);

}  // namespace ui
