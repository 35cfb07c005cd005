#include "ui/qt/static_peers.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "ui/qt/colors.h"
#include "ui/qt/mouse_input.h"
#include "ui/qt/text.h"
#include "ui/user_input.h"

namespace ui::qt {

namespace {

Qt::Alignment horizontal(ui::Alignment alignment) {
    switch (alignment) {
    case ui::Alignment::Left: return Qt::AlignLeft;
    case ui::Alignment::Center: return Qt::AlignHCenter;
    case ui::Alignment::Right: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

bool released_over(const QWidget& widget, const QMouseEvent& event) {
    return event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
}

}  // namespace

bool scales_smoothly(qreal device_pixel_ratio) { return device_pixel_ratio != std::floor(device_pixel_ratio); }

Label_Peer::Label_Peer(ui::Label& label, QWidget& parent, Peer_Host& host)
    : QLabel(&parent), Peer(label, *this, host), label_(label) {
    setTextFormat(Qt::PlainText);
}

void Label_Peer::show_state() {
    setText(to_qstring(ui::shown_caption(label_.caption())));
    setAlignment(horizontal(label_.alignment()) | Qt::AlignTop);
    setAutoFillBackground(!label_.transparent());
    if (!label_.transparent()) set_background(*this, QPalette::Window, label_.color());
}

// Taking the press keeps the release here, where it is the click.
void Label_Peer::mousePressEvent(QMouseEvent*) {}

void Label_Peer::mouseReleaseEvent(QMouseEvent* event) {
    if (released_over(*this, *event)) forward([this] { ui::user::click(label_); });
}

Bevel_Peer::Bevel_Peer(ui::Bevel& bevel, QWidget& parent, Peer_Host& host)
    : QFrame(&parent), Peer(bevel, *this, host) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

Image_Peer::Image_Peer(ui::Image& image, QWidget& parent, Peer_Host& host)
    : QWidget(&parent), Peer(image, *this, host), image_(image) {}

void Image_Peer::show_state() {
    const QSize size(std::max(image_.bounds().width, 0), std::max(image_.bounds().height, 0));
    // The picture is kept from one change to the next, as the original's bitmap was: the canvas
    // draws over what it showed. A new one starts white.
    if (picture_.size() != size) {
        picture_ = QImage(size, QImage::Format_RGB32);
        picture_.fill(Qt::white);
    }
    raster_.draw(image_.canvas(), picture_);
    update();
}

void Image_Peer::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    // The picture has the design's pixels. A whole-number scale repeats each of them sharply; a
    // fractional one would make nearest-neighbour stems of uneven width, so it blends them.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scales_smoothly(devicePixelRatioF()));
    if (image_.stretch()) painter.drawImage(rect(), picture_);
    else painter.drawImage(QPoint(0, 0), picture_);
}

void Image_Peer::mousePressEvent(QMouseEvent* event) {
    const std::optional<ui::Mouse_Button> button = model_button(event->button());
    if (!button) return;
    const QPoint at = whole_pixels(event->position());
    const ui::Shift_State shift = shift_state(*event);
    forward([this, button, at, shift] { ui::user::mouse_down(image_, *button, at.x(), at.y(), shift); });
}

void Image_Peer::mouseReleaseEvent(QMouseEvent* event) {
    if (released_over(*this, *event)) forward([this] { ui::user::click(image_); });
}

}  // namespace ui::qt
