#include "ui/qt/peer_registry.h"

namespace ui::qt {

void Peer_Registry::add_window(ui::Form& form, QWidget& window) { forms_[&window] = &form; }

ui::Form* Peer_Registry::form_of_window(const QWidget* window) const {
    const auto found = forms_.find(window);
    return found == forms_.end() ? nullptr : found->second;
}

void Peer_Registry::add(ui::Control& control, QWidget& widget) {
    controls_[&widget] = &control;
    widgets_[&control] = &widget;
}

QWidget* Peer_Registry::widget_of(const ui::Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
}

Peer_Registry::Found Peer_Registry::control_under(QWidget* widget) const {
    for (QWidget* candidate = widget; candidate != nullptr; candidate = candidate->parentWidget()) {
        if (const auto found = controls_.find(candidate); found != controls_.end()) return {found->second, candidate};
        if (candidate->isWindow()) break;
    }
    return {};
}

}  // namespace ui::qt
