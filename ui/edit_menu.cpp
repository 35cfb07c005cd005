#include "ui/edit_menu.h"

#include <span>

#include "ui/edit.h"
#include "ui/front_end.h"

namespace ui {

namespace {

bool applies(const Edit& edit, Edit_Command command, const Front_End& front_end) {
    const bool selected = edit.sel_length() > 0;
    switch (command) {
    case Edit_Command::Undo: return edit.can_undo();
    case Edit_Command::Cut:
    case Edit_Command::Delete: return selected && !edit.read_only();
    case Edit_Command::Copy: return selected;
    case Edit_Command::Paste: return !edit.read_only() && !front_end.clipboard_text().empty();
    case Edit_Command::Select_All: return edit.sel_length() < static_cast<int>(edit.text().size());
    }
    return false;
}

constexpr Edit_Command Writable_Menu[] = {Edit_Command::Undo,  Edit_Command::Cut,    Edit_Command::Copy,
                                          Edit_Command::Paste, Edit_Command::Delete, Edit_Command::Select_All};
constexpr Edit_Command Read_Only_Menu[] = {Edit_Command::Copy, Edit_Command::Select_All};

}  // namespace

std::vector<Edit_Menu_Entry> edit_menu(const Edit& edit, const Front_End& front_end) {
    const std::span<const Edit_Command> offered =
        edit.read_only() ? std::span<const Edit_Command>(Read_Only_Menu) : std::span<const Edit_Command>(Writable_Menu);
    std::vector<Edit_Menu_Entry> entries;
    for (const Edit_Command command : offered) entries.push_back({command, applies(edit, command, front_end)});
    return entries;
}

void run_edit_command(Edit& edit, Edit_Command command, Front_End& front_end) {
    if (!applies(edit, command, front_end)) return;
    switch (command) {
    case Edit_Command::Undo: edit.undo(); break;
    case Edit_Command::Cut:
        front_end.set_clipboard_text(edit.selected_text());
        edit.delete_selection();
        break;
    case Edit_Command::Copy: front_end.set_clipboard_text(edit.selected_text()); break;
    case Edit_Command::Paste: edit.paste(front_end.clipboard_text()); break;
    case Edit_Command::Delete: edit.delete_selection(); break;
    case Edit_Command::Select_All: edit.select_all(); break;
    }
}

}  // namespace ui
