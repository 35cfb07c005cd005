#pragma once

#include <QEventLoop>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/front_end.h"
#include "ui/qt/peer.h"
#include "ui/qt/peer_registry.h"

namespace ui::qt {

class Form_Window;
class Input_Filter;

// Shows the model's forms in Qt windows, one peer widget per control, and turns real input into
// model events. Make the QApplication first; the front end makes itself the application's.
class Qt_Front_End final : public ui::Front_End, private Peer_Host {
public:
    using Message_Handler = std::function<void(const ui::Message_Box& box)>;

    explicit Qt_Front_End(ui::Application& application);
    ~Qt_Front_End() override;
    Qt_Front_End(const Qt_Front_End&) = delete;
    Qt_Front_End& operator=(const Qt_Front_End&) = delete;

    void run(ui::Form& main_form) override;
    void run_modal(ui::Form& form) override;
    void show_message(const ui::Message_Box& box) override;
    void quit() override;
    std::string clipboard_text() const override;
    void set_clipboard_text(const std::string& text) override;

    // Shows a form's window and leaves the loop to the caller (tests drive it themselves).
    void show(ui::Form& form);
    // The form's window once it has been shown, else nullptr.
    QWidget* window_of(const ui::Form& form) const;
    // Message boxes go to handler instead of the screen, where nobody would answer them in a test.
    void divert_messages(Message_Handler handler) { message_handler_ = std::move(handler); }

private:
    struct Modal_Loop {
        ui::Form* form;
        QEventLoop* loop;
    };

    void after_model_event() override;
    void make_peers_inside(ui::Win_Control& container, QWidget& widget) override;
    Peer_Host& host() { return *this; }
    Form_Window* find_window(const ui::Form& form) const;
    Form_Window& window_for(ui::Form& form, bool as_dialog);

    ui::Application& application_;
    Peer_Registry registry_;
    std::unique_ptr<Input_Filter> filter_;
    std::vector<std::unique_ptr<Form_Window>> windows_;
    std::vector<Modal_Loop> modal_loops_;
    Message_Handler message_handler_;
    bool main_loop_running_ = false;
    bool quit_requested_ = false;
};

}  // namespace ui::qt
