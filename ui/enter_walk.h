#pragma once

#include <span>
#include <vector>

#include "ui/form.h"

namespace ui {

// Enter's walk through a window's fields, in orders that the window's layout names. Enter hands
// the focus from the focused field to the next field of its order that can take the focus. An
// order that ends on its first field goes round; the others stop on their last field, which
// keeps the focus, as does a field in no order.
class Enter_Walk {
public:
    void add_order(std::vector<Win_Control*> order);
    // Walks on from the form's focused control.
    void step(const Form& form) const;

private:
    std::vector<std::vector<Win_Control*>> orders_;
};

// The walk of a single order, for a window that keeps no walk of its own.
void step_in_order(std::span<Win_Control* const> order, const Form& form);

}  // namespace ui
