#pragma once

#include <QImage>

#include "ui/canvas.h"
#include "ui/qt/raster_pictures.h"
#include "ui/qt/raster_texts.h"

namespace ui::qt {

// Paints a canvas's record onto an image, in order, over what the image already shows (an
// empty record leaves it as it was). The pixels follow the chart's drawing rules: a line
// leaves out its end pixel; a figure's box takes in its left and top edges but not its right
// and bottom ones, and the outline lies inside the box; a text's cell has its top-left corner
// at the given point. Lines and figures are aliased and written straight into the pixels; any
// coordinate an int holds is safe. A 32-bit image is drawn in place, any other through a copy.
// At a device pixel ratio the image holds device pixels and the record is drawn at that
// resolution: coordinates, pens and dots scaled, texts laid out in their fonts at the scaled
// size, pictures enlarged pixel by pixel; at 1 the pixels are the rules' own.
// What does not change from one drawing to the next is kept for the next: the 32-bit form of a
// picture and the layout of each text in its font; the pixels are the same as from a fresh one.
class Canvas_Raster {
public:
    void draw(const ui::Canvas& canvas, QImage& image, double ratio = 1);

private:
    Picture_Raster pictures_;
    Text_Styles text_styles_;
};

// One drawing with nothing kept from earlier ones.
void rasterise(const ui::Canvas& canvas, QImage& image, double ratio = 1);

}  // namespace ui::qt
