#include "main/range_messages.h"

std::string Too_High_Message(std::string_view name) { return std::string(name) + " is too high. Please reinput!!"; }

std::string Too_Low_Message(std::string_view name) { return std::string(name) + " is too low. Please reinput!!"; }

bool Within_Limits(ui::Application& application, std::string_view name, double value, double lower, double upper) {
    if (value > upper) {
        application.error_box(Too_High_Message(name));
        return false;
    }
    if (value < lower) {
        application.error_box(Too_Low_Message(name));
        return false;
    }
    return true;
}
