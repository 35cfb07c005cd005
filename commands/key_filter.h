#pragma once

#include <string_view>

#include "ui/enter_walk.h"
#include "ui/form.h"
#include "ui/static_controls.h"

namespace commands {

// The key filter of both main windows' entry fields: the characters of a decimal number pass, any
// other key is dropped with the request on the message line, and Enter walks on through the
// window's fields. Whether the text is a number is found out when the field is left.
void Filter_Entry_Key(char& key, ui::Label& message_line, std::string_view request, const ui::Enter_Walk& walk,
                      const ui::Form& form);

}  // namespace commands
