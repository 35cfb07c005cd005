#pragma once

#include <QColor>
#include <QPalette>

#include "ui/types.h"

class QWidget;

namespace ui::qt {

// A model colour on screen: 0x00BBGGRR as it is, a system colour from the palette below.
QColor to_qcolor(ui::Color color);

// A widget's background role in a model colour, enabled or not.
void set_background(QWidget& widget, QPalette::ColorRole role, ui::Color color);
// A widget's text in a model colour; a disabled widget keeps the style's grey text.
void set_text_color(QWidget& widget, ui::Color color);

}  // namespace ui::qt
