#include "ui/qt/key_translation.h"

#include <QByteArray>

namespace ui::qt {

namespace {

struct Named_Key {
    int qt_key;
    ui::Key key;
};

constexpr Named_Key named_keys[] = {
    {Qt::Key_Backtab, ui::Key::Back_Tab},
    {Qt::Key_Left, ui::Key::Left},
    {Qt::Key_Right, ui::Key::Right},
    {Qt::Key_Up, ui::Key::Up},
    {Qt::Key_Down, ui::Key::Down},
    {Qt::Key_Home, ui::Key::Home},
    {Qt::Key_End, ui::Key::End},
    {Qt::Key_PageUp, ui::Key::Page_Up},
    {Qt::Key_PageDown, ui::Key::Page_Down},
    {Qt::Key_Delete, ui::Key::Delete},
};

struct Character_Key {
    int qt_key;
    char character;
};

constexpr Character_Key character_keys[] = {
    {Qt::Key_Backspace, '\b'},
    {Qt::Key_Return, '\r'},
    {Qt::Key_Enter, '\r'},
    {Qt::Key_Escape, 27},
};

bool printable_latin1(char32_t code) { return (code >= 32 && code < 127) || (code >= 160 && code <= 255); }

// A character beyond Latin-1 reaches the model as its UTF-8 bytes, each above 127, as a
// double-byte character once reached a program as two bytes: a number field's filter drops
// every one of them.
void append_utf8(std::string& bytes, char32_t code) {
    const QByteArray utf8 = QString::fromUcs4(&code, 1).toUtf8();
    bytes.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

// A printable character as it reaches the model; others are dropped.
void append_printable(std::string& characters, char32_t code) {
    if (printable_latin1(code)) characters += static_cast<char>(static_cast<unsigned char>(code));
    else if (code > 255 && QChar::isPrint(code)) append_utf8(characters, code);
}

}  // namespace

Key_Input translate_key(int qt_key, Qt::KeyboardModifiers modifiers, const QString& text) {
    if (modifiers.testFlag(Qt::AltModifier)) return {};
    if (qt_key == Qt::Key_Tab) return {modifiers.testFlag(Qt::ShiftModifier) ? ui::Key::Back_Tab : ui::Key::Tab, {}};
    for (const Named_Key& named : named_keys)
        if (named.qt_key == qt_key) return {named.key, {}};
    for (const Character_Key& character : character_keys)
        if (character.qt_key == qt_key) return {std::nullopt, std::string(1, character.character)};
    if (modifiers.testFlag(Qt::ControlModifier)) {
        if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z)
            return {std::nullopt, std::string(1, static_cast<char>(qt_key - Qt::Key_A + 1))};
        return {};
    }
    Key_Input input;
    for (const char32_t code : text.toUcs4()) append_printable(input.characters, code);
    return input;
}

std::string model_text(const QString& text) {
    std::string characters;
    for (const char32_t code : text.toUcs4()) {
        if (code == '\r' || code == '\n') characters += static_cast<char>(code);
        else append_printable(characters, code);
    }
    return characters;
}

Key_Input translate_key(const QKeyEvent& event) { return translate_key(event.key(), event.modifiers(), event.text()); }

ui::Shift_State held_keys(Qt::KeyboardModifiers modifiers) {
    ui::Shift_State held;
    held.shift = modifiers.testFlag(Qt::ShiftModifier);
    held.ctrl = modifiers.testFlag(Qt::ControlModifier);
    held.alt = modifiers.testFlag(Qt::AltModifier);
    return held;
}

}  // namespace ui::qt
