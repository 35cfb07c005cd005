#include "ui/qt/track_bar_peer.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

#include "ui/qt/mouse_input.h"
#include "ui/user_input.h"

namespace ui::qt {

Track_Bar_Peer::Track_Bar_Peer(ui::Track_Bar& bar, QWidget& parent, Peer_Host& host)
    : QSlider(Qt::Horizontal, &parent), Peer(bar, *this, host), bar_(bar) {
    setTickPosition(QSlider::TicksBelow);
}

void Track_Bar_Peer::show_state() {
    setRange(bar_.min(), bar_.max());
    setTickInterval(bar_.frequency());
    setValue(bar_.position());
}

int Track_Bar_Peer::position_at(int x) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    return QStyle::sliderValueFromPosition(minimum(), maximum(), x - groove.x() - handle.width() / 2, span);
}

void Track_Bar_Peer::move_to(int x) {
    const int position = position_at(x);
    forward([this, position] { ui::user::move_track_bar(bar_, position); });
}

void Track_Bar_Peer::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    move_to(whole_pixel(event->position().x()));
}

void Track_Bar_Peer::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) move_to(whole_pixel(event->position().x()));
}

void Track_Bar_Peer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

void Track_Bar_Peer::wheelEvent(QWheelEvent*) {}

}  // namespace ui::qt
