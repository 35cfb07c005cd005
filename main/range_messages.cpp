#include "main/range_messages.h"

#include "state/entry_ranges.h"

using state::Range_Message;

namespace hygrodex {

bool Within_Limits(ui::Application& application, std::string_view name, double value, double lower, double upper) {
    const std::optional<std::string> message = Range_Message(name, value, lower, upper);
    if (message) application.error_box(*message);
    return !message;
}

}  // namespace hygrodex
