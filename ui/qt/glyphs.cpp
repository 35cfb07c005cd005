#include "ui/qt/glyphs.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QtMath>

#include <cmath>
#include <string_view>

namespace ui::qt {

namespace {

enum class Glyph_Shape { Arrow, Circling_Arrows, Magnifier_Minus, Magnifier_Plus };

struct Glyph {
    std::string_view name;
    Glyph_Shape shape;
    int width;
    int height;
    int direction;  // of an arrow, in degrees counter-clockwise from pointing right
};

constexpr Glyph glyphs[] = {
    {"arrow-up-left", Glyph_Shape::Arrow, 22, 19, 135},
    {"arrow-up", Glyph_Shape::Arrow, 22, 19, 90},
    {"arrow-up-right", Glyph_Shape::Arrow, 22, 19, 45},
    {"arrow-left", Glyph_Shape::Arrow, 22, 19, 180},
    {"circling-arrows", Glyph_Shape::Circling_Arrows, 21, 21, 0},
    {"arrow-right", Glyph_Shape::Arrow, 22, 19, 0},
    {"arrow-down-left", Glyph_Shape::Arrow, 22, 19, 225},
    {"arrow-down", Glyph_Shape::Arrow, 22, 19, 270},
    {"arrow-down-right", Glyph_Shape::Arrow, 22, 19, 315},
    {"magnifier-minus", Glyph_Shape::Magnifier_Minus, 30, 30, 0},
    {"magnifier-plus", Glyph_Shape::Magnifier_Plus, 30, 30, 0},
};

const QColor ink(0x2E, 0x4A, 0x6E);
const QColor ink_edge(0x1B, 0x2C, 0x42);
const QColor rim(0x3C, 0x46, 0x50);
const QColor glass(0xE3, 0xEE, 0xF8);

void draw_arrow(QPainter& painter, const QSizeF& size, int direction) {
    painter.translate(size.width() / 2, size.height() / 2);
    painter.rotate(-direction);
    // A slanted arrow is a little shorter so that its head stays inside the picture.
    const double half = direction % 90 == 0 ? 8.0 : 7.5;
    const QPolygonF arrow{{-half, -1.6}, {1.0, -1.6}, {1.0, -5.5}, {half, 0.0}, {1.0, 5.5}, {1.0, 1.6}, {-half, 1.6}};
    painter.setPen(QPen(ink_edge, 0.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(ink);
    painter.drawPolygon(arrow);
}

void draw_circling_arrows(QPainter& painter, const QSizeF& size) {
    const QPointF centre(size.width() / 2, size.height() / 2);
    constexpr double radius = 6.5;
    constexpr int sweep = 130;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    for (const int start : {30, 210}) {
        painter.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(circle, start * 16, sweep * 16);
        // The head sits at the end of the arc and points along it, counter-clockwise.
        const double end = qDegreesToRadians(static_cast<double>(start + sweep));
        const QPointF outward(std::cos(end), -std::sin(end));
        const QPointF along(-std::sin(end), -std::cos(end));
        const QPointF base = centre + outward * radius;
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPolygon(
            QPolygonF{base + along * 3.5, base + outward * 3.5 - along * 0.5, base - outward * 3.5 - along * 0.5});
    }
}

void draw_magnifier(QPainter& painter, bool plus) {
    const QPointF centre(12.5, 12.5);
    constexpr double radius = 8.0;
    constexpr double arm = 4.5;
    painter.setPen(QPen(rim, 5.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(19.0, 19.0), QPointF(26.5, 26.5));
    painter.setPen(QPen(rim, 2.4));
    painter.setBrush(glass);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    if (plus) painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

void draw(QPainter& painter, const Glyph& glyph) {
    const QSizeF size(glyph.width, glyph.height);
    switch (glyph.shape) {
    case Glyph_Shape::Arrow: draw_arrow(painter, size, glyph.direction); break;
    case Glyph_Shape::Circling_Arrows: draw_circling_arrows(painter, size); break;
    case Glyph_Shape::Magnifier_Minus: draw_magnifier(painter, false); break;
    case Glyph_Shape::Magnifier_Plus: draw_magnifier(painter, true); break;
    }
}

}  // namespace

QPixmap glyph_picture(const std::string& name) {
    for (const Glyph& glyph : glyphs) {
        if (glyph.name != name) continue;
        QImage picture(glyph.width, glyph.height, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, glyph);
        painter.end();
        return QPixmap::fromImage(picture);
    }
    return {};
}

}  // namespace ui::qt
