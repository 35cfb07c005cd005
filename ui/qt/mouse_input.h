#pragma once

#include <QMouseEvent>
#include <QPoint>
#include <QPointF>

#include <optional>

#include "ui/types.h"

namespace ui::qt {

// The model counts the mouse in whole pixels: the pixel under the pointer, so a position is
// floored, never rounded (left of or above a control it is negative while a button holds it).
int whole_pixel(double coordinate);
QPoint whole_pixels(const QPointF& position);

ui::Shift_State shift_state(const QMouseEvent& event);
std::optional<ui::Mouse_Button> model_button(Qt::MouseButton button);

}  // namespace ui::qt
