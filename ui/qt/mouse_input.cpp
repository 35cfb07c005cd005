#include "ui/qt/mouse_input.h"

#include <algorithm>
#include <cmath>

namespace ui::qt {

int whole_pixel(double coordinate) {
    // Far beyond any screen, yet well inside int.
    constexpr double limit = 1 << 24;
    if (!std::isfinite(coordinate)) return 0;
    return static_cast<int>(std::floor(std::clamp(coordinate, -limit, limit)));
}

QPoint whole_pixels(const QPointF& position) { return {whole_pixel(position.x()), whole_pixel(position.y())}; }

ui::Shift_State shift_state(const QMouseEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const Qt::MouseButtons buttons = event.buttons();
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
            modifiers.testFlag(Qt::AltModifier),   buttons.testFlag(Qt::LeftButton),
            buttons.testFlag(Qt::RightButton),     buttons.testFlag(Qt::MiddleButton)};
}

std::optional<ui::Mouse_Button> model_button(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return ui::Mouse_Button::Left;
    case Qt::RightButton: return ui::Mouse_Button::Right;
    case Qt::MiddleButton: return ui::Mouse_Button::Middle;
    default: return std::nullopt;
    }
}

}  // namespace ui::qt
