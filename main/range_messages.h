#pragma once

#include <string>
#include <string_view>

#include "ui/application.h"

// The messages of an entered value beyond a limit, by the quantity's short name ("Tdb", "Eff.").
std::string Too_High_Message(std::string_view name);
std::string Too_Low_Message(std::string_view name);

// Shows the quantity's message in the error box when value lies above upper (tested first) or
// below lower; a value equal to a limit passes. Returns whether the value lies within both.
bool Within_Limits(ui::Application& application, std::string_view name, double value, double lower, double upper);
