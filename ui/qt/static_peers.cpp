#include "ui/qt/static_peers.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "ui/qt/colors.h"
#include "ui/qt/mouse_input.h"
#include "ui/qt/raster_scale.h"
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

Bevel_Peer::Bevel_Peer(ui::Bevel& bevel, QWidget& parent, Peer_Host& host) : QFrame(&parent), Peer(bevel, *this, host) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

Image_Peer::Image_Peer(ui::Image& image, QWidget& parent, Peer_Host& host)
    : QWidget(&parent), Peer(image, *this, host), image_(image) {}

void Image_Peer::show_state() {
    draw_picture();
    update();
}

// The picture holds the device's pixels, so the canvas is drawn at the screen's resolution
// rather than enlarged. It is kept from one change to the next because the canvas draws over
// what it showed: a painter that redraws only a part relies on the rest staying. A new one, and one for another ratio,
// starts white.
void Image_Peer::draw_picture() {
    shown_ratio_ = devicePixelRatioF();
    const Raster_Scale scale(shown_ratio_);
    const auto device = [&scale](int length) { return static_cast<int>(scale.edge(std::max(length, 0))); };
    const QSize size(device(image_.bounds().width), device(image_.bounds().height));
    if (picture_.size() != size || picture_scale_ != scale.ratio()) {
        picture_ = QImage(size, QImage::Format_RGB32);
        picture_.fill(Qt::white);
        picture_scale_ = scale.ratio();
    }
    raster_.draw(image_.canvas(), picture_, picture_scale_);
}

void Image_Peer::paintEvent(QPaintEvent*) {
    // Moved to a screen of another ratio: the record is drawn again at the new one.
    if (devicePixelRatioF() != shown_ratio_) draw_picture();
    if (picture_.isNull()) return;
    QPainter painter(this);
    const QRectF unstretched(QPointF(0, 0), QSizeF(picture_.size()) / picture_scale_);
    painter.drawImage(image_.stretch() ? QRectF(rect()) : unstretched, picture_);
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
