#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/static_controls.h"

namespace chart {

// 24-bit pixels, rows top first, shared with the canvas record that draws them.
using Picture_Pixels = std::shared_ptr<const std::vector<std::uint8_t>>;

// The bytes of a picture of that size; a negative side has none.
std::size_t Picture_Bytes(int width, int height);

// A picture that covers a whole image and depends on the image's size alone. It is made once per
// size and kept, so every redraw hands the canvas the same pixels and the front end converts them
// only once.
class Kept_Picture {
public:
    using Fill = Picture_Pixels (*)(int width, int height);

    explicit Kept_Picture(Fill fill) : fill_(fill) {}

    // Puts the picture at the image's top-left corner, made anew where the size has changed.
    void paint(ui::Image& image);

private:
    Fill fill_;
    int width_ = -1;
    int height_ = -1;
    Picture_Pixels pixels_;
};

}  // namespace chart
