#include "chart/kept_picture.h"

#include <algorithm>

namespace chart {

std::size_t Picture_Bytes(int width, int height) {
    return static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(std::max(height, 0)) * 3;
}

void Kept_Picture::paint(ui::Image& image) {
    const int width = image.bounds().width;
    const int height = image.bounds().height;
    if (width != width_ || height != height_) {
        pixels_ = fill_(width, height);
        width_ = width;
        height_ = height;
    }
    image.canvas().draw_bitmap(0, 0, width, height, pixels_);
}

}  // namespace chart
