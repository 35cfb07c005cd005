#include "ui/application.h"

#include <cctype>
#include <stdexcept>

namespace ui {

std::string title_from_program_file(const std::string& program_file) {
    std::string title = program_file.substr(0, program_file.find('.'));
    for (std::size_t i = 1; i < title.size(); ++i)
        title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
    return title;
}

std::string exception_box_text(const std::string& message) {
    if (!message.empty() && message.back() > '.') return message + ".";
    return message;
}

Application::Application(std::string program_file)
    : program_file_(std::move(program_file)), title_(title_from_program_file(program_file_)) {}

Application::~Application() {
    // Forms go in reverse order of creation, the main form last.
    while (!forms_.empty()) forms_.pop_back();
}

Front_End& Application::front_end() const {
    if (!front_end_) throw std::logic_error("the application has no front end");
    return *front_end_;
}

void Application::run() {
    if (Form* form = main_form()) front_end().run(*form);
}

void Application::terminate() {
    terminated_ = true;
    if (front_end_) front_end_->quit();
}

void Application::dispatch(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        show_exception(error);
    }
}

void Application::message_box(const std::string& text, const std::string& caption, Message_Icon icon) {
    front_end().show_message({text, caption, icon});
}

void Application::error_box(const std::string& text) { message_box(text, "Error", Message_Icon::Stop); }

void Application::show_exception(const std::exception& error) {
    try {
        message_box(exception_box_text(error.what()), title_, Message_Icon::Stop);
    } catch (...) {
        // A box that cannot be shown must not take the loop down with it.
    }
}

void Application::math_error_report(const std::string& function, const std::string& kind) {
    message_box(function + ": " + kind + " error", program_file_, Message_Icon::Stop);
}

}  // namespace ui
