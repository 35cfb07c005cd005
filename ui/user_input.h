#pragma once

#include "ui/edit_menu.h"
#include "ui/types.h"

namespace ui {

class Control;
class Edit;
class Form;
class Menu_Item;
class Page_Control;
class String_Grid;
class Track_Bar;
class Win_Control;

// What a user does, turned into model events. Both the Qt front end and the headless test
// driver go through these, and each runs as one dispatched event.
namespace user {

// A mouse press on a windowed control: it takes the focus (an edit keeps its caret, no select-all).
void press_into(Win_Control& control);
// A press into a field at a character position: the field takes the focus, then the caret goes
// there; with Shift held the selection stretches from its anchor to there.
void press_into(Edit& edit, int position, Shift_State shift);
// The mouse moved to a character position with its button held since a press into the field:
// the selection runs from the pressed position to there.
void drag_in(Edit& edit, int position);
// A double-click selects the word at the position.
void double_click(Edit& edit, int position);
// A command chosen from the field's context menu, which a right-click opens once press_into
// gave the field the focus.
void choose_edit_command(Edit& edit, Edit_Command command);
// A click: a push button, check box or track bar takes the focus first and is pressed only when
// the focus came; speed buttons, labels and images are clicked without a focus move.
void click(Control& control);
// A character typed in the form's focused control: default button, cancel button, key filter,
// then the control's own handling.
void type(Form& form, char key);
// A key that is no character; with Ctrl held, Tab and Page Down or Up step through the sheets.
void press_key(Form& form, Key key, Shift_State shift = {});
void select_page(Page_Control& pages, int index);
void move_track_bar(Track_Bar& bar, int position);
void mouse_move(Control& control, int x, int y, Shift_State shift = {});
void mouse_down(Control& control, Mouse_Button button, int x, int y, Shift_State shift = {});
// A press on a cell and a drag to another: the grid takes the focus, then selects the range.
void select_cells(String_Grid& grid, int anchor_col, int anchor_row, int col, int row);
// The grid's scroll bars or the mouse wheel bring these cells first, after the fixed ones; the
// focus stays where it is.
void scroll_cells(String_Grid& grid, int left_col, int top_row);
// The user resized a sizeable window to this client size.
void resize(Form& form, int width, int height);
void choose_menu(Form& form, Menu_Item& item);
void close(Form& form);

}  // namespace user
}  // namespace ui
