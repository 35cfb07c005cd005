#pragma once

#include <string_view>

#include "ui/application.h"

namespace hygrodex {

// Shows the quantity's message (Range_Message of state/entry_ranges.h) in the error box when value
// lies above upper (tested first) or below lower; a value equal to a limit passes. Returns whether
// the value lies within both.
bool Within_Limits(ui::Application& application, std::string_view name, double value, double lower, double upper);

}  // namespace hygrodex
