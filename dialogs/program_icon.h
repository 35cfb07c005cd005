#pragma once

#include "ui/canvas.h"

// The About box's picture: a small psychrometric chart, its saturation line and three curves of
// relative humidity below it, over a grid of temperatures.
void Draw_Program_Icon(ui::Canvas& canvas, int width, int height);
