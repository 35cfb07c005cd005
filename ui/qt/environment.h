#pragma once

namespace ui::qt {

// Call before the QApplication is made: gives Qt a private runtime folder when the session has
// none (Qt warns otherwise), and with headless the offscreen platform unless one was chosen.
void prepare_environment(bool headless);

}  // namespace ui::qt
