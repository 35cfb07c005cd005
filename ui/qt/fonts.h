#pragma once

#include <QFont>

#include "ui/types.h"

namespace ui::qt {

// Lets the face names of the layouts find the Debian fonts that stand in for them.
void install_font_substitutions();

// Makes the controls' usual font the application's, with no font of a class beside it. A widget
// lays out its empty text in the application's font while it is made, before it takes its
// control's font: another face would be loaded for nothing. The menu bar and its menus, which no
// control's font reaches, speak in it too.
void install_application_font();

// A model font as Qt draws it. Sizes become pixel sizes at 96 dots per inch, the resolution the
// layouts were made at, so that text fills the same pixels on any screen.
QFont to_qfont(const ui::Font& font);

}  // namespace ui::qt
