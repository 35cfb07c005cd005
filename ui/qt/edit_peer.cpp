#include "ui/qt/edit_peer.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/qt/colors.h"
#include "ui/qt/text.h"
#include "ui/user_input.h"

namespace ui::qt {

Edit_Peer::Edit_Peer(ui::Edit& edit, QWidget& parent, Peer_Host& host)
    : QLineEdit(&parent), Peer(edit, *this, host), edit_(edit) {
    setAcceptDrops(false);
    setDragEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void Edit_Peer::show_state() {
    setReadOnly(edit_.read_only());
    // setReadOnly switches the input method back on; characters come only through the filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    set_background(*this, QPalette::Base, edit_.color());
    const std::string& text = edit_.text();
    const QString shown = to_qstring(text);
    if (this->text() != shown) setText(shown);
    const int start = qt_position(text, edit_.sel_start());
    const int end = qt_position(text, edit_.sel_start() + edit_.sel_length());
    if (end > start) setSelection(start, end - start);
    else setCursorPosition(start);
}

void Edit_Peer::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    forward([this, at] {
        ui::user::press_into(edit_);
        if (edit_.focused()) edit_.set_selection(byte_position(edit_.text(), cursorPositionAt(at)), 0);
    });
}

void Edit_Peer::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void Edit_Peer::mouseMoveEvent(QMouseEvent*) {}

void Edit_Peer::mouseReleaseEvent(QMouseEvent*) {}

void Edit_Peer::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!isReadOnly() || !hasFocus()) return;
    const QRect around = cursorRect();
    QPainter painter(this);
    painter.fillRect(around.center().x(), around.top(), 1, around.height(), palette().color(QPalette::Text));
}

}  // namespace ui::qt
