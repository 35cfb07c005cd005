#include "ui/qt/edit_peer.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "ui/application.h"
#include "ui/edit_menu.h"
#include "ui/qt/colors.h"
#include "ui/qt/key_translation.h"
#include "ui/qt/text.h"
#include "ui/user_input.h"

namespace ui::qt {

namespace {

struct Command_Entry {
    ui::Edit_Command command;
    const char* caption;
    // A line above the entry parts it from the group before.
    bool starts_group;
};

// The desktop's captions; no shortcut is shown, since the keys type control characters here.
constexpr Command_Entry command_entries[] = {
    {ui::Edit_Command::Undo, "&Undo", false},     {ui::Edit_Command::Cut, "Cu&t", true},
    {ui::Edit_Command::Copy, "&Copy", false},     {ui::Edit_Command::Paste, "&Paste", false},
    {ui::Edit_Command::Delete, "&Delete", false}, {ui::Edit_Command::Select_All, "Select &All", true},
};

const Command_Entry& entry_of(ui::Edit_Command command) {
    for (const Command_Entry& entry : command_entries)
        if (entry.command == command) return entry;
    return command_entries[0];
}

}  // namespace

Edit_Peer::Edit_Peer(ui::Edit& edit, QWidget& parent, Peer_Host& host)
    : QLineEdit(&parent), Peer(edit, *this, host), edit_(edit) {
    setAcceptDrops(false);
    setDragEnabled(false);
}

void Edit_Peer::show_state() {
    setReadOnly(edit_.read_only());
    // setReadOnly switches the input method back on; characters come only through the filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    set_background(*this, QPalette::Base, edit_.color());
    set_background(*this, QPalette::Highlight, ui::Color_Highlight);
    set_background(*this, QPalette::HighlightedText, ui::Color_Highlight_Text);
    const std::string& text = edit_.text();
    const QString shown = to_qstring(text);
    if (this->text() != shown) setText(shown);
    const int anchor = qt_position(text, edit_.anchor());
    const int caret = qt_position(text, edit_.caret());
    // As on the desktop, a field shows its selection only while it has the focus; the model keeps
    // it meanwhile. A selection made leftwards has its caret on the left: Qt takes a negative length.
    if (caret != anchor && edit_.focused()) setSelection(anchor, caret - anchor);
    else setCursorPosition(caret);
}

int Edit_Peer::position_at(const QMouseEvent& event) {
    return byte_position(edit_.text(), cursorPositionAt(event.position().toPoint()));
}

void Edit_Peer::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int position = position_at(*event);
    const ui::Shift_State held = held_keys(event->modifiers());
    forward([this, position, held] { ui::user::press_into(edit_, position, held); });
}

void Edit_Peer::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int position = position_at(*event);
    forward([this, position] { ui::user::double_click(edit_, position); });
}

void Edit_Peer::mouseMoveEvent(QMouseEvent* event) {
    if (!event->buttons().testFlag(Qt::LeftButton)) return;
    const int position = position_at(*event);
    forward([this, position] { ui::user::drag_in(edit_, position); });
}

void Edit_Peer::mouseReleaseEvent(QMouseEvent*) {}

void Edit_Peer::contextMenuEvent(QContextMenuEvent* event) {
    forward([this] { ui::user::press_into(edit_); });
    if (!edit_.focused()) return;
    QMenu menu(this);
    for (const ui::Edit_Menu_Entry& offered : ui::edit_menu(edit_, edit_.form().application().front_end())) {
        const Command_Entry& entry = entry_of(offered.command);
        if (entry.starts_group && !menu.isEmpty()) menu.addSeparator();
        QAction* action = menu.addAction(QString::fromLatin1(entry.caption));
        action->setEnabled(offered.enabled);
        action->setData(static_cast<int>(offered.command));
    }
    const QAction* chosen = menu.exec(event->globalPos());
    if (chosen == nullptr) return;
    const auto command = static_cast<ui::Edit_Command>(chosen->data().toInt());
    forward([this, command] { ui::user::choose_edit_command(edit_, command); });
}

void Edit_Peer::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!isReadOnly() || !hasFocus()) return;
    const QRect around = cursorRect();
    QPainter painter(this);
    painter.fillRect(around.center().x(), around.top(), 1, around.height(), palette().color(QPalette::Text));
}

}  // namespace ui::qt
