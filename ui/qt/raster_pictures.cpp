#include "ui/qt/raster_pictures.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>

namespace ui::qt {

namespace {

// A picture whose pixel record is shorter than its size says is left out, never read past.
bool holds_whole_picture(const ui::Canvas_Op& op) {
    if (!op.pixels || op.x2 <= 0 || op.y2 <= 0 || op.x2 > INT_MAX / 3) return false;
    const auto row_bytes = static_cast<std::size_t>(op.x2) * 3;
    return static_cast<std::size_t>(op.y2) <= op.pixels->size() / row_bytes;
}

// Blue, green and red bytes, rows top first, as 32-bit pixels.
QImage to_32_bits(const std::vector<std::uint8_t>& pixels, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    const std::uint8_t* source = pixels.data();
    for (int y = 0; y < height; ++y) {
        QRgb* const target = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x, source += 3) target[x] = qRgb(source[2], source[1], source[0]);
    }
    return picture;
}

}  // namespace

const QImage& Picture_Raster::converted(const ui::Canvas_Op& op) {
    if (op.pixels != source_ || converted_.width() != op.x2 || converted_.height() != op.y2) {
        converted_ = to_32_bits(*op.pixels, op.x2, op.y2);
        source_ = op.pixels;
    }
    return converted_;
}

void Picture_Raster::draw(Surface& surface, const ui::Canvas_Op& op) {
    if (!holds_whole_picture(op)) return;
    const std::int64_t left = op.x1, top = op.y1, width = op.x2, height = op.y2;
    const std::int64_t first_column = std::max<std::int64_t>(left, 0);
    const std::int64_t end_column = std::min<std::int64_t>(left + width, surface.width());
    const std::int64_t first_row = std::max<std::int64_t>(top, 0);
    const std::int64_t end_row = std::min<std::int64_t>(top + height, surface.height());
    if (first_column >= end_column || first_row >= end_row) return;
    const QImage& picture = converted(op);
    const auto row_bytes = static_cast<std::size_t>(end_column - first_column) * sizeof(QRgb);
    for (std::int64_t y = first_row; y < end_row; ++y) {
        const QRgb* source = reinterpret_cast<const QRgb*>(picture.constScanLine(static_cast<int>(y - top)));
        std::memcpy(surface.line(y) + first_column, source + (first_column - left), row_bytes);
    }
}

}  // namespace ui::qt
