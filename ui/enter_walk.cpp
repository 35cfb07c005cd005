#include "ui/enter_walk.h"

#include <utility>

namespace ui {

namespace {

// Whether the focused control has a place before the last in the order; the walk goes from there.
bool walk_from(std::span<Win_Control* const> order, const Win_Control& focused) {
    for (std::size_t at = 0; at + 1 < order.size(); ++at) {
        if (order[at] != &focused) continue;
        for (std::size_t next = at + 1; next < order.size(); ++next) {
            if (order[next]->can_focus()) {
                order[next]->set_focus();
                break;
            }
        }
        return true;
    }
    return false;
}

}  // namespace

void Enter_Walk::add_order(std::vector<Win_Control*> order) { orders_.push_back(std::move(order)); }

void Enter_Walk::step(const Form& form) const {
    const Win_Control* focused = form.focused();
    if (!focused) return;
    for (const std::vector<Win_Control*>& order : orders_)
        if (walk_from(order, *focused)) return;
}

void step_in_order(std::span<Win_Control* const> order, const Form& form) {
    if (const Win_Control* focused = form.focused()) walk_from(order, *focused);
}

}  // namespace ui
