#pragma once

#include <QKeyEvent>
#include <QString>

#include <optional>
#include <string>

#include "ui/types.h"

namespace ui::qt {

// What one key press means to the model: a key that is no character, or the characters it
// types (control characters included: Backspace 8, Enter 13, Escape 27, Ctrl+V 22).
struct Key_Input {
    std::optional<ui::Key> key;
    std::string characters;
    friend bool operator==(const Key_Input&, const Key_Input&) = default;
};

// Alt combinations belong to the menus and type nothing; printable Latin-1 characters arrive as
// one byte each, the printable characters beyond Latin-1 as their UTF-8 bytes, and control
// characters other than the ones above are dropped.
Key_Input translate_key(int qt_key, Qt::KeyboardModifiers modifiers, const QString& text);
Key_Input translate_key(const QKeyEvent& event);
// A text from the clipboard as typing would give its characters, its line breaks kept so that a
// field can take its first line.
std::string model_text(const QString& text);

// Shift, Ctrl and Alt as the model holds them; no mouse button.
ui::Shift_State held_keys(Qt::KeyboardModifiers modifiers);

}  // namespace ui::qt
