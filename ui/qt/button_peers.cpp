#include "ui/qt/button_peers.h"

#include "ui/qt/glyphs.h"
#include "ui/qt/text.h"
#include "ui/user_input.h"

namespace ui::qt {

Button_Peer::Button_Peer(ui::Button& button, QWidget& parent, Peer_Host& host)
    : Pressable(parent), Peer(button, *this, host), button_(button) {}

void Button_Peer::show_state() {
    setText(caption_without_mnemonics(button_.caption()));
    setDefault(button_.is_default());
    if (button_.glyph() == shown_glyph_) return;
    shown_glyph_ = button_.glyph();
    const QPixmap picture = glyph_picture(shown_glyph_);
    setIcon(picture.isNull() ? QIcon() : QIcon(picture));
    if (!picture.isNull()) setIconSize(picture.size());
}

void Button_Peer::clicked_by_user() {
    forward([this] { ui::user::click(button_); });
}

Speed_Button_Peer::Speed_Button_Peer(ui::Speed_Button& button, QWidget& parent, Peer_Host& host)
    : Pressable(parent), Peer(button, *this, host), button_(button) {
    setCheckable(true);
}

void Speed_Button_Peer::show_state() {
    setText(caption_without_mnemonics(button_.caption()));
    setChecked(button_.down());
}

void Speed_Button_Peer::clicked_by_user() {
    forward([this] { ui::user::click(button_); });
}

Check_Box_Peer::Check_Box_Peer(ui::Check_Box& box, QWidget& parent, Peer_Host& host)
    : Pressable(parent), Peer(box, *this, host), box_(box) {}

void Check_Box_Peer::show_state() {
    setText(caption_without_mnemonics(box_.caption()));
    setChecked(box_.checked());
}

void Check_Box_Peer::clicked_by_user() {
    forward([this] { ui::user::click(box_); });
}

}  // namespace ui::qt
