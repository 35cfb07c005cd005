#include "commands/key_filter.h"

#include <string>

#include "numtext/number_keys.h"

namespace commands {

void Filter_Entry_Key(char& key, ui::Label& message_line, std::string_view request, const ui::Enter_Walk& walk,
                      const ui::Form& form) {
    numtext::filter_number_key(
        key, [&] { message_line.set_caption(std::string(request)); }, [&] { walk.step(form); });
}

}  // namespace commands
