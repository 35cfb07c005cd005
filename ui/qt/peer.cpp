#include "ui/qt/peer.h"

#include "ui/qt/colors.h"
#include "ui/qt/fonts.h"
#include "ui/qt/text.h"

namespace ui::qt {

Peer::Peer(ui::Control& control, QWidget& widget, Peer_Host& host) : control_(control), widget_(widget), host_(host) {
    widget_.setObjectName(to_qstring(control.name()));
    // The focus is the model's: Qt moves it only when the model says.
    widget_.setFocusPolicy(Qt::NoFocus);
    // The mouse over a control is that control's alone: no parent sees its moves as well.
    widget_.setAttribute(Qt::WA_NoMousePropagation);
}

QRect Peer::placement() const {
    const ui::Rect& bounds = control_.bounds();
    return {bounds.left, bounds.top, bounds.width, bounds.height};
}

void Peer::control_changed() {
    widget_.setGeometry(placement());
    widget_.setEnabled(control_.enabled());
    const QFont font = to_qfont(control_.font());
    if (widget_.font() != font) widget_.setFont(font);
    set_text_color(widget_, control_.font().color);
    if (control_.cursor() == ui::Cursor::Cross) widget_.setCursor(Qt::CrossCursor);
    else widget_.unsetCursor();
    widget_.setMouseTracking(static_cast<bool>(control_.OnMouseMove));
    show_state();
    widget_.setVisible(shown());
}

void Peer::forward(const std::function<void()>& input) const {
    input();
    host_.after_model_event();
}

}  // namespace ui::qt
