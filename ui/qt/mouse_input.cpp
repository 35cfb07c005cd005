#include "ui/qt/mouse_input.h"

#include <algorithm>
#include <cmath>

#include "ui/qt/key_translation.h"

namespace ui::qt {

int whole_pixel(double coordinate) {
    // Far beyond any screen, yet well inside int.
    constexpr double limit = 1 << 24;
    if (!std::isfinite(coordinate)) return 0;
    return static_cast<int>(std::floor(std::clamp(coordinate, -limit, limit)));
}

QPoint whole_pixels(const QPointF& position) { return {whole_pixel(position.x()), whole_pixel(position.y())}; }

ui::Shift_State shift_state(const QMouseEvent& event) {
    ui::Shift_State state = held_keys(event.modifiers());
    const Qt::MouseButtons buttons = event.buttons();
    state.left = buttons.testFlag(Qt::LeftButton);
    state.right = buttons.testFlag(Qt::RightButton);
    state.middle = buttons.testFlag(Qt::MiddleButton);
    return state;
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
