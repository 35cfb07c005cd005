#pragma once

#include <QSlider>

#include "ui/containers.h"
#include "ui/qt/peer.h"

namespace ui::qt {

// A horizontal slider with a tick below per step. Pressing or dragging moves the model's bar to
// the position under the mouse; keys reach the model through the input filter.
class Track_Bar_Peer final : public QSlider, public Peer {
public:
    Track_Bar_Peer(ui::Track_Bar& bar, QWidget& parent, Peer_Host& host);

protected:
    void show_state() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int position_at(int x) const;
    void move_to(int x);

    ui::Track_Bar& bar_;
    bool dragging_ = false;
};

}  // namespace ui::qt
