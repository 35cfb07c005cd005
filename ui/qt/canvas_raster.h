#pragma once

#include <QImage>

#include "ui/canvas.h"

namespace ui::qt {

// Paints the canvas's record onto image, in order, over what the image already shows (an
// empty record leaves it as it was). The pixels follow the original's drawing rules: a line
// leaves out its end pixel; a figure's box takes in its left and top edges but not its right
// and bottom ones, and the outline lies inside the box; a text's cell has its top-left corner
// at the given point. Lines and figures are aliased and written straight into the pixels; any
// coordinate an int holds is safe. A 32-bit image is drawn in place, any other through a copy.
void rasterise(const ui::Canvas& canvas, QImage& image);

}  // namespace ui::qt
