#include "ui/qt/text.h"

#include <cstddef>

#include "ui/control.h"

namespace ui::qt {

namespace {

struct Character {
    int bytes;
    char32_t code;
};

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The character that starts at byte at: a well-formed UTF-8 sequence, or else the one byte.
Character character_at(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const Character single{1, lead};
    int length = 0;
    char32_t code = 0;
    if (lead < 0x80) return single;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, code = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, code = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, code = lead & 0x07;
    else return single;
    if (at + static_cast<std::size_t>(length) > text.size()) return single;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
        if (!is_continuation(next)) return single;
        code = code << 6 | (next & 0x3F);
    }
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool overlong = code < smallest[length];
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF) return single;
    return {length, code};
}

int utf16_units(char32_t code) { return code >= 0x10000 ? 2 : 1; }

}  // namespace

QString to_qstring(const std::string& text) {
    QString shown;
    shown.reserve(static_cast<qsizetype>(text.size()));
    for (std::size_t at = 0; at < text.size();) {
        const Character character = character_at(text, at);
        const char32_t code = character.code;
        if (utf16_units(code) == 2) {
            shown.append(QChar(QChar::highSurrogate(code)));
            shown.append(QChar(QChar::lowSurrogate(code)));
        } else {
            shown.append(QChar(static_cast<char16_t>(code)));
        }
        at += static_cast<std::size_t>(character.bytes);
    }
    return shown;
}

QString caption_without_mnemonics(const std::string& caption) {
    QString escaped = to_qstring(ui::shown_caption(caption));
    escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    return escaped;
}

int qt_position(const std::string& text, int byte_offset) {
    int units = 0;
    for (std::size_t at = 0; at < text.size() && static_cast<int>(at) < byte_offset;) {
        const Character character = character_at(text, at);
        units += utf16_units(character.code);
        at += static_cast<std::size_t>(character.bytes);
    }
    return units;
}

int byte_position(const std::string& text, int qt_offset) {
    int units = 0;
    std::size_t at = 0;
    while (at < text.size() && units < qt_offset) {
        const Character character = character_at(text, at);
        units += utf16_units(character.code);
        at += static_cast<std::size_t>(character.bytes);
    }
    return static_cast<int>(at);
}

}  // namespace ui::qt
