#include "earlier/psy.h"
#include "numtext/number_keys.h"

namespace moistrel {

namespace {

constexpr const char* Value_Request = "請輸入數值~~";

// The panel lists its labels first and its edits after them: the walk goes from the focused
// edit to the next one that takes the focus (the hidden Hfg edit does not), from the last back
// to the first.
void move_to_next_edit(const ui::Win_Control& panel) {
    const int count = panel.child_count();
    for (int i = 0; i < count; ++i) {
        const ui::Control& control = panel.child(i);
        if (!control.windowed() || !static_cast<const ui::Win_Control&>(control).focused()) continue;
        for (int step = 1; step < count; ++step) {
            ui::Control& next = panel.child((i + step) % count);
            if (next.windowed() && static_cast<ui::Win_Control&>(next).can_focus())
                return static_cast<ui::Win_Control&>(next).set_focus();
        }
    }
}

}  // namespace

void TForm1::EditKeyPress(ui::Control&, char& key) {
    if (!numtext::is_number_key(key)) {
        key = numtext::Dropped_Key;
        Message3->set_caption(Value_Request);
        return;
    }
    if (key == numtext::Enter) move_to_next_edit(*GroupBox2);
}

}  // namespace moistrel
