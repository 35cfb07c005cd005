#pragma once

#include <QMenuBar>
#include <QWidget>

#include "ui/form.h"
#include "ui/qt/peer.h"

namespace ui::qt {

// The form's main menu as a menu bar of window; choosing an item passes it to the model.
// Captions go as they are: "&" marks the mnemonic in the model and in Qt alike.
QMenuBar* build_menu_bar(ui::Form& form, QWidget& window, Peer_Host& host);

}  // namespace ui::qt
