#include "ui/qt/canvas_raster.h"

#include <QPainter>

#include <climits>
#include <cstddef>

namespace ui::qt {

namespace {

// A picture whose pixel record is shorter than its size says is left out, never read past.
bool holds_whole_picture(const ui::Canvas_Op& op) {
    if (!op.pixels || op.x2 <= 0 || op.y2 <= 0 || op.x2 > INT_MAX / 3) return false;
    const auto row_bytes = static_cast<std::size_t>(op.x2) * 3;
    return static_cast<std::size_t>(op.y2) <= op.pixels->size() / row_bytes;
}

void draw_bitmap(QPainter& painter, const ui::Canvas_Op& op) {
    if (!holds_whole_picture(op)) return;
    const QImage picture(op.pixels->data(), op.x2, op.y2, static_cast<qsizetype>(op.x2) * 3, QImage::Format_BGR888);
    painter.drawImage(QPoint(op.x1, op.y1), picture);
}

}  // namespace

void rasterise(const ui::Canvas& canvas, QImage& image) {
    if (image.isNull()) return;
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const ui::Canvas_Op& op : canvas.ops())
        if (op.kind == ui::Canvas_Op_Kind::Bitmap) draw_bitmap(painter, op);
}

}  // namespace ui::qt
