#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/front_end.h"

namespace ui {

// Owns the forms and runs every event through dispatch(), which shows an escaping error in the
// exception box and goes on.
class Application {
public:
    // program_file is the program's file name without folder (its title is derived from it).
    explicit Application(std::string program_file);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    const std::string& title() const { return title_; }

    void set_front_end(Front_End& front_end) { front_end_ = &front_end; }
    Front_End& front_end() const;

    // The first form created is the main form.
    template <class T, class... Args>
    T& create_form(Args&&... args) {
        auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& result = *form;
        forms_.push_back(std::move(form));
        return result;
    }
    Form* main_form() const { return forms_.empty() ? nullptr : forms_.front().get(); }

    void run();
    void terminate();
    bool terminated() const { return terminated_; }

    void dispatch(const std::function<void()>& handler) noexcept;

    void message_box(const std::string& text, const std::string& caption, Message_Icon icon);
    // The box of the program's own checks: caption "Error", stop icon, OK.
    void error_box(const std::string& text);
    void show_exception(const std::exception& error);
    // The box of a failed mathematical function: "log: SING error" and the like.
    void math_error_report(const std::string& function, const std::string& kind);

private:
    std::string program_file_;
    std::string title_;
    Front_End* front_end_ = nullptr;
    std::vector<std::unique_ptr<Form>> forms_;
    bool terminated_ = false;
};

// The title rule: the file name without extension, first letter as it is, the rest lower case.
std::string title_from_program_file(const std::string& program_file);
// The exception box's text: a "." is added when the message ends in a character after ".".
std::string exception_box_text(const std::string& message);

}  // namespace ui
