#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/front_end.h"

namespace test_support {

struct Recorded_Box {
    std::string text;
    std::string caption;
    ui::Message_Icon icon;
    friend bool operator==(const Recorded_Box&, const Recorded_Box&) = default;
};

// A front end without a screen: message boxes are recorded and answered with OK at once, and
// every modal form is handed to the next scripted responder, which acts as the user would.
class Headless_Front_End : public ui::Front_End {
public:
    using Responder = std::function<void(ui::Form& form)>;

    void run(ui::Form& main_form) override;
    void run_modal(ui::Form& form) override;
    void show_message(const ui::Message_Box& box) override;
    void quit() override { quit_requested = true; }

    // The user's actions on the next modal form, in the order the forms open.
    void answer_next_modal(Responder responder) { responders_.push_back(std::move(responder)); }
    std::size_t pending_responders() const { return responders_.size(); }

    // Box texts only, in order, and then forgotten.
    std::vector<std::string> take_box_texts();

    std::vector<Recorded_Box> boxes;
    std::vector<std::string> modal_forms_shown;
    bool quit_requested = false;

private:
    std::deque<Responder> responders_;
};

}  // namespace test_support
