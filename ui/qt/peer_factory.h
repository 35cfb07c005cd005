#pragma once

#include <QWidget>

#include "ui/qt/peer.h"
#include "ui/qt/peer_registry.h"
#include "ui/win_control.h"

namespace ui::qt {

// Makes a peer for every control inside container, parents before their children, each a child
// widget of its parent's peer (client for the container's own children), registered, attached
// to its control as its view and showing it.
void create_peers(ui::Win_Control& container, QWidget& client, Peer_Registry& registry, Peer_Host& host);

}  // namespace ui::qt
