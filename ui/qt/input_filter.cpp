#include "ui/qt/input_filter.h"

#include <QMenuBar>

#include "ui/qt/key_translation.h"
#include "ui/qt/mouse_input.h"
#include "ui/user_input.h"

namespace ui::qt {

Input_Filter::Input_Filter(const Peer_Registry& registry, Peer_Host& host) : registry_(registry), host_(host) {}

bool Input_Filter::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    QWidget& receiver = *static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: return take_key(receiver, static_cast<QKeyEvent&>(*event));
    case QEvent::MouseMove: pass_mouse_move(receiver, static_cast<const QMouseEvent&>(*event)); return false;
    default: return false;
    }
}

bool Input_Filter::take_key(QWidget& receiver, QKeyEvent& event) {
    // A menu bar that the keyboard walks keeps its keys.
    if (qobject_cast<QMenuBar*>(&receiver) != nullptr) return false;
    ui::Form* form = registry_.form_of_window(receiver.window());
    if (form == nullptr) return false;
    if (event.type() == QEvent::ShortcutOverride) {
        // Alt combinations may open a menu; every other key is the model's, not a shortcut's.
        if (event.modifiers().testFlag(Qt::AltModifier)) return false;
        event.accept();
        return true;
    }
    const Key_Input input = translate_key(event);
    if (input.key) ui::user::press_key(*form, *input.key, held_keys(event.modifiers()));
    for (const char character : input.characters) ui::user::type(*form, character);
    host_.after_model_event();
    return true;
}

void Input_Filter::pass_mouse_move(QWidget& receiver, const QMouseEvent& event) {
    const Peer_Registry::Found found = registry_.control_under(&receiver);
    if (found.control == nullptr || !found.control->OnMouseMove) return;
    const QPoint at = whole_pixels(receiver.mapTo(found.widget, event.position()));
    ui::user::mouse_move(*found.control, at.x(), at.y(), shift_state(event));
    host_.after_model_event();
}

}  // namespace ui::qt
