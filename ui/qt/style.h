#pragma once

namespace ui::qt {

// Every window of the program is drawn in Qt's "Windows" style: its group-box insets and
// bevels match the metrics the layouts were made for, and it draws focus rectangles.
void install_style();

}  // namespace ui::qt
