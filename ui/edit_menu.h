#pragma once

#include <vector>

namespace ui {

class Edit;
class Front_End;

// The desktop's context menu of a text field: what it offers, what of that applies now, and
// what each command does.
enum class Edit_Command { Undo, Cut, Copy, Paste, Delete, Select_All };

struct Edit_Menu_Entry {
    Edit_Command command;
    bool enabled;
    friend bool operator==(const Edit_Menu_Entry&, const Edit_Menu_Entry&) = default;
};

// The entries in menu order. A read-only field offers Copy and Select All only; an entry is
// enabled when its command would do something.
std::vector<Edit_Menu_Entry> edit_menu(const Edit& edit, const Front_End& front_end);

// Runs a command the menu enables; Cut and Copy write the clipboard, Paste reads it.
void run_edit_command(Edit& edit, Edit_Command command, Front_End& front_end);

}  // namespace ui
