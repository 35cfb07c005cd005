#pragma once

#include <QWidget>

#include <unordered_map>

#include "ui/form.h"

namespace ui::qt {

// Which widget shows which control, and which window which form: the input filter finds the
// model's side of a Qt event here, and a window finds the widget to give the focus to.
class Peer_Registry {
public:
    void add_window(ui::Form& form, QWidget& window);
    ui::Form* form_of_window(const QWidget* window) const;

    // widget shows control; a form's widget is its client area.
    void add(ui::Control& control, QWidget& widget);
    QWidget* widget_of(const ui::Control& control) const;

    struct Found {
        ui::Control* control = nullptr;
        QWidget* widget = nullptr;
    };
    // The control shown by widget or by its nearest ancestor inside the same window.
    Found control_under(QWidget* widget) const;

private:
    std::unordered_map<const QWidget*, ui::Form*> forms_;
    std::unordered_map<const QWidget*, ui::Control*> controls_;
    std::unordered_map<const ui::Control*, QWidget*> widgets_;
};

}  // namespace ui::qt
