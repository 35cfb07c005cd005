#pragma once

#include <QString>

#include <string>

namespace ui::qt {

// Model texts are UTF-8. A byte that starts no valid UTF-8 sequence stands for the Latin-1
// character of that value, which is what a typed character above 127 leaves in a field.
QString to_qstring(const std::string& text);

// A caption as the model shows it (ui::shown_caption), made ready for a Qt widget that reads
// "&" as a mnemonic: the widget shows exactly that text and grabs no shortcut of its own.
QString caption_without_mnemonics(const std::string& caption);

// Positions in a model text (bytes) and in its QString (UTF-16 units), both ways; a position
// inside a character counts as the position after it.
int qt_position(const std::string& text, int byte_offset);
int byte_position(const std::string& text, int qt_offset);

}  // namespace ui::qt
