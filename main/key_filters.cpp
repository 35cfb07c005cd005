#include "commands/key_filter.h"
#include "main/psy.h"
#include "ui/static_controls.h"

namespace hygrodex {

// Every sheet's edits run the window's one filter; Enter follows the walks that the layout names.
namespace {
constexpr std::string_view Value_Request = "Please input a value.";
}  // namespace

void TForm1::Filter_Key(char& key) { commands::Filter_Entry_Key(key, *Message3, Value_Request, Walk, *this); }

}  // namespace hygrodex
