#pragma once

#include <QLineEdit>

#include "ui/edit.h"
#include "ui/qt/peer.h"

namespace ui::qt {

// A one-line field that shows the model's text, selection and read-only state. Keys reach the
// model through the input filter; Qt edits nothing itself.
class Edit_Peer final : public QLineEdit, public Peer {
public:
    Edit_Peer(ui::Edit& edit, QWidget& parent, Peer_Host& host);

protected:
    void show_state() override;
    // A press takes the model's focus and puts the caret where the field was pressed; Qt's own
    // selecting by drag, double-click and middle-button paste stay off.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Qt draws no caret in a read-only field; it gets one here, so that the focus can be seen.
    void paintEvent(QPaintEvent* event) override;

private:
    ui::Edit& edit_;
};

}  // namespace ui::qt
