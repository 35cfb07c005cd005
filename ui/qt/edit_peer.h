#pragma once

#include <QLineEdit>

#include "ui/edit.h"
#include "ui/qt/peer.h"

namespace ui::qt {

// A one-line field that shows the model's text, caret, selection and read-only state. Keys reach
// the model through the input filter; the mouse and the context menu reach it from here. Qt
// edits nothing itself.
class Edit_Peer final : public QLineEdit, public Peer {
public:
    Edit_Peer(ui::Edit& edit, QWidget& parent, Peer_Host& host);

protected:
    void show_state() override;
    // The left button presses, drags and double-clicks in the model's field; the middle
    // button's paste of the selection stays off, as on the desktop the program was made for.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A right-click focuses the field and offers the model's context menu.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Qt draws no caret in a read-only field; it gets one here, so that the focus can be seen.
    void paintEvent(QPaintEvent* event) override;

private:
    // The character position under the mouse, in the model's text.
    int position_at(const QMouseEvent& event);

    ui::Edit& edit_;
};

}  // namespace ui::qt
