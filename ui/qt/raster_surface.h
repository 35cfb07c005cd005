#pragma once

#include <QImage>

#include <algorithm>
#include <cstdint>

namespace ui::qt {

// The pixels of a 32-bit image, written in place.
class Surface {
public:
    explicit Surface(QImage& image)
        : bits_(image.bits()), bytes_per_line_(image.bytesPerLine()), width_(image.width()), height_(image.height()) {}

    int width() const { return width_; }
    int height() const { return height_; }
    QRgb* line(std::int64_t y) { return reinterpret_cast<QRgb*>(bits_ + y * bytes_per_line_); }
    // Every pixel, row after row; a row of a 32-bit image is a whole number of pixels long.
    QRgb* pixels() { return reinterpret_cast<QRgb*>(bits_); }
    std::int64_t pixels_per_line() const { return bytes_per_line_ / static_cast<qsizetype>(sizeof(QRgb)); }

    // Columns first..last of row y, as far as they lie on the image.
    void fill_row(std::int64_t y, std::int64_t first, std::int64_t last, QRgb color) {
        if (y < 0 || y >= height_) return;
        first = std::max<std::int64_t>(first, 0);
        last = std::min<std::int64_t>(last, width_ - 1);
        if (first > last) return;
        std::fill(line(y) + first, line(y) + last + 1, color);
    }

private:
    uchar* bits_;
    qsizetype bytes_per_line_;
    int width_;
    int height_;
};

}  // namespace ui::qt
