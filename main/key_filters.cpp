#include "main/psy.h"
#include "numtext/number_keys.h"
#include "ui/focus_walk.h"

// The sheets' key filters: only the characters of a decimal number reach an edit, and Enter
// moves the focus to the next windowed control of the sheet. Whether the text is a number is
// found out when the field is left.
namespace {

// The sheet a filter walks, and where its walk wraps: when the next position reaches the
// sheet's count of controls less wrap_from_end, it goes back by wrap_back.
struct Enter_Walk {
    ui::Tab_Sheet* TForm1::*sheet;
    int wrap_from_end;
    int wrap_back;
};

// From Pw back to Tdb.
constexpr Enter_Walk State_Walk = {&TForm1::Sheet_state, 0, 11};
// The State 1 column wraps onto itself; State 2 runs on to "Cal.", where the walk ends.
constexpr Enter_Walk Process_Walk = {&TForm1::Sheet_two, 23, 11};
// From the last AfterPad output back to the Outdoor Tdb.
constexpr Enter_Walk Pad_Walk = {&TForm1::Sheet_pad, 0, 24};
// Not reached: the Leaf column ends at Tleaf-Tair, which has no filter.
constexpr Enter_Walk Vpd_Walk = {&TForm1::Sheet_vpd, 0, 11};

void filter_key(TForm1& form, const Enter_Walk& walk, char& key) {
    if (!numtext::is_number_key(key)) {
        form.Message3->set_caption("Please input a value.");
        key = numtext::Dropped_Key;
        return;
    }
    if (key == numtext::Enter) ui::focus_next_child(*(form.*walk.sheet), walk.wrap_from_end, walk.wrap_back);
}

}  // namespace

void TForm1::EditKeyPress(ui::Control&, char& key) { filter_key(*this, State_Walk, key); }

void TForm1::Edit_2KeyPress(ui::Control&, char& key) { filter_key(*this, Process_Walk, key); }

void TForm1::Edit_pKeyPress(ui::Control&, char& key) { filter_key(*this, Pad_Walk, key); }

void TForm1::Edit_vKeyPress(ui::Control&, char& key) { filter_key(*this, Vpd_Walk, key); }
