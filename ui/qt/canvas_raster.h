#pragma once

#include <QImage>

#include "ui/canvas.h"

namespace ui::qt {

// Paints the canvas's record onto image, which keeps its size: a white surface, then the
// operations in order. The bitmap operations are drawn so far; the rest follow later.
void rasterise(const ui::Canvas& canvas, QImage& image);

}  // namespace ui::qt
