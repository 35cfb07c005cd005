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

// Blue, green and red bytes, rows top first, as 32-bit pixels at the scale: each device pixel
// takes the picture pixel its centre lies in, so a whole ratio repeats every pixel alike.
QImage to_32_bits(const std::vector<std::uint8_t>& pixels, int width, int height, const Raster_Scale& scale) {
    const auto scaled = [&scale](int length) {
        return static_cast<int>(std::max<std::int64_t>(scale.edge(length), 1));
    };
    QImage picture(scaled(width), scaled(height), QImage::Format_RGB32);
    if (picture.isNull()) return picture;
    const auto source_of = [&scale](int device, int length) {
        return std::min(static_cast<int>((device + 0.5) / scale.ratio()), length - 1);
    };
    std::vector<int> source_columns(static_cast<std::size_t>(picture.width()));
    for (int x = 0; x < picture.width(); ++x) source_columns[static_cast<std::size_t>(x)] = source_of(x, width);
    const auto row_bytes = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint8_t* const source = pixels.data() + static_cast<std::size_t>(source_of(y, height)) * row_bytes;
        QRgb* const target = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint8_t* const pixel =
                source + static_cast<std::size_t>(source_columns[static_cast<std::size_t>(x)]) * 3;
            target[x] = qRgb(pixel[2], pixel[1], pixel[0]);
        }
    }
    return picture;
}

}  // namespace

const QImage& Picture_Raster::converted(const ui::Canvas_Op& op, const Raster_Scale& scale) {
    if (op.pixels != source_ || op.x2 != width_ || op.y2 != height_ || scale.ratio() != ratio_) {
        converted_ = to_32_bits(*op.pixels, op.x2, op.y2, scale);
        source_ = op.pixels;
        width_ = op.x2;
        height_ = op.y2;
        ratio_ = scale.ratio();
    }
    return converted_;
}

void Picture_Raster::draw(Surface& surface, const ui::Canvas_Op& op, const Raster_Scale& scale) {
    if (!holds_whole_picture(op)) return;
    const QImage& picture = converted(op, scale);
    if (picture.isNull()) return;
    const std::int64_t left = scale.edge(op.x1), top = scale.edge(op.y1), width = picture.width(),
                       height = picture.height();
    const std::int64_t first_column = std::max<std::int64_t>(left, 0);
    const std::int64_t end_column = std::min<std::int64_t>(left + width, surface.width());
    const std::int64_t first_row = std::max<std::int64_t>(top, 0);
    const std::int64_t end_row = std::min<std::int64_t>(top + height, surface.height());
    if (first_column >= end_column || first_row >= end_row) return;
    const auto row_bytes = static_cast<std::size_t>(end_column - first_column) * sizeof(QRgb);
    for (std::int64_t y = first_row; y < end_row; ++y) {
        const QRgb* source = reinterpret_cast<const QRgb*>(picture.constScanLine(static_cast<int>(y - top)));
        std::memcpy(surface.line(y) + first_column, source + (first_column - left), row_bytes);
    }
}

}  // namespace ui::qt
