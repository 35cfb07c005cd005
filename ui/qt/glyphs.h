#pragma once

#include <QPixmap>

#include <string>

namespace ui::qt {

// The small picture a glyph button shows for a glyph name of the layouts; a null pixmap for a
// name it does not know.
QPixmap glyph_picture(const std::string& name);

}  // namespace ui::qt
