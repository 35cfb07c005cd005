#include "ui/qt/form_window.h"

#include <QCloseEvent>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

#include "ui/qt/colors.h"
#include "ui/qt/fonts.h"
#include "ui/qt/menu_bar.h"
#include "ui/qt/text.h"
#include "ui/user_input.h"

namespace ui::qt {

namespace {

// The reason Qt is given for a focus move of the model; the style shows the focus cue for a move
// by the keyboard.
Qt::FocusReason focus_reason(ui::Focus_Cause cause) {
    switch (cause) {
    case ui::Focus_Cause::Keyboard: return Qt::TabFocusReason;
    case ui::Focus_Cause::Keyboard_Backward: return Qt::BacktabFocusReason;
    case ui::Focus_Cause::Mouse: return Qt::MouseFocusReason;
    case ui::Focus_Cause::Program: return Qt::OtherFocusReason;
    }
    return Qt::OtherFocusReason;
}

}  // namespace

Form_Window::Form_Window(ui::Form& form, const Peer_Registry& registry, Peer_Host& host, QWidget* owner,
                         Qt::WindowFlags flags)
    : QWidget(owner, flags), form_(form), registry_(registry), host_(host), client_(this) {
    setObjectName(to_qstring(form.name()));
    setFocusPolicy(Qt::NoFocus);
    client_.setFocusPolicy(Qt::NoFocus);
    client_.setAttribute(Qt::WA_NoMousePropagation);
    client_.setAutoFillBackground(true);
    if (form.main_menu() != nullptr) menu_bar_ = build_menu_bar(form, *this, host);
}

void Form_Window::lay_out() {
    const int width = std::max(form_.client_width(), 0);
    const int height = std::max(form_.client_height(), 0);
    int menu_height = 0;
    if (menu_bar_ != nullptr) {
        menu_height = menu_bar_->heightForWidth(width);
        if (menu_height < 0) menu_height = menu_bar_->sizeHint().height();
        menu_bar_->setGeometry(0, 0, width, menu_height);
    }
    client_.setGeometry(0, menu_height, width, height);
    menu_height_ = menu_height;
    const QSize size(width, menu_height + height);
    if (!form_.sizeable()) {
        setFixedSize(size);
        return;
    }
    setMinimumSize(1, menu_height + 1);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (this->size() != size) resize(size);
}

// The user's new size goes to the model, whose controls follow by their anchors; the model's
// size then comes back through lay_out.
void Form_Window::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!form_.sizeable()) return;
    const int width = event->size().width();
    const int height = event->size().height() - menu_height_;
    if (width == form_.client_width() && height == form_.client_height()) return;
    ui::user::resize(form_, width, height);
    host_.after_model_event();
}

void Form_Window::control_changed() {
    setWindowTitle(to_qstring(form_.caption()));
    const QFont font = to_qfont(form_.font());
    if (client_.font() != font) {
        client_.setFont(font);
        if (menu_bar_ != nullptr) menu_bar_->setFont(font);
    }
    set_background(client_, QPalette::Window, form_.color());
    client_.setMouseTracking(static_cast<bool>(form_.OnMouseMove));
    lay_out();
    if (!form_.visible() && isVisible()) hide();
    host_.after_model_event();
}

void Form_Window::show_centred() {
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
    show();
    activateWindow();
}

void Form_Window::follow_focus() {
    const ui::Win_Control* focused = form_.focused();
    QWidget* peer = focused != nullptr ? registry_.widget_of(*focused) : nullptr;
    QWidget& target = peer != nullptr ? *peer : *this;
    if (target.hasFocus()) return;
    const Qt::FocusReason reason = focus_reason(form_.focus_cause());
    // The style draws the focus cue after a move by the keyboard, and hides it after a press.
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) setAttribute(Qt::WA_KeyboardFocusChange);
    else if (reason == Qt::MouseFocusReason) setAttribute(Qt::WA_KeyboardFocusChange, false);
    target.setFocus(reason);
}

void Form_Window::closeEvent(QCloseEvent* event) {
    event->ignore();
    ui::user::close(form_);
    host_.after_model_event();
}

}  // namespace ui::qt
