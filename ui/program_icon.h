#pragma once

#include "ui/canvas.h"

namespace ui {

// The picture of both programs' About boxes: a small psychrometric chart, its saturation line and
// three curves of relative humidity below it, over a grid of temperatures. It lives with the window
// layer, the one place that Hygrodex's dialogs and Moistrel's windows both stand on.
void Draw_Program_Icon(Canvas& canvas, int width, int height);

}  // namespace ui
