#pragma once

#include <string>

#include "ui/types.h"

namespace ui {

class Form;

enum class Message_Icon { None, Stop, Information, Warning };

struct Message_Box {
    std::string text;
    std::string caption;
    Message_Icon icon = Message_Icon::Stop;
};

// What the model needs of a toolkit: a loop, modal forms and message boxes. The Qt front end
// shows them; the headless one in the tests records them and answers from a script.
class Front_End {
public:
    virtual ~Front_End() = default;
    // Shows the main form and runs the loop until the main form is closed.
    virtual void run(Form& main_form) = 0;
    // Shows the form and handles input until its modal result is set; then hides it.
    virtual void run_modal(Form& form) = 0;
    // A modal box with one OK button.
    virtual void show_message(const Message_Box& box) = 0;
    // The main form was closed: the loop ends.
    virtual void quit() = 0;
    // The desktop's clipboard, as text. A front end without a desktop keeps the text itself.
    virtual std::string clipboard_text() const { return clipboard_; }
    virtual void set_clipboard_text(const std::string& text) { clipboard_ = text; }

private:
    std::string clipboard_;
};

}  // namespace ui
