#pragma once

#include <QWidget>

#include "ui/containers.h"
#include "ui/qt/peer.h"

namespace ui::qt {

// Sunken panels of the model's widths with their texts, along the bottom of the parent's client
// area; the last panel reaches the right edge.
class Status_Bar_Peer final : public QWidget, public Peer {
public:
    Status_Bar_Peer(ui::Status_Bar& bar, QWidget& parent, Peer_Host& host);

protected:
    QRect placement() const override;
    void show_state() override { update(); }
    void paintEvent(QPaintEvent* event) override;

private:
    ui::Status_Bar& bar_;
};

}  // namespace ui::qt
