#pragma once

#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>

#include "ui/qt/peer.h"
#include "ui/qt/peer_registry.h"

namespace ui::qt {

// Watches the whole application for our windows' keys and mouse moves. Every key goes to the
// model's focused control before any widget or shortcut sees it, and is then consumed; mouse
// moves go to the OnMouseMove of the control under the mouse and then on to the widget.
class Input_Filter final : public QObject {
public:
    Input_Filter(const Peer_Registry& registry, Peer_Host& host);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool take_key(QWidget& receiver, QKeyEvent& event);
    void pass_mouse_move(QWidget& receiver, const QMouseEvent& event);

    const Peer_Registry& registry_;
    Peer_Host& host_;
};

}  // namespace ui::qt
