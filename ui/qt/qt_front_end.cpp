#include "ui/qt/qt_front_end.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

#include "ui/qt/fonts.h"
#include "ui/qt/form_window.h"
#include "ui/qt/input_filter.h"
#include "ui/qt/key_translation.h"
#include "ui/qt/peer_factory.h"
#include "ui/qt/style.h"
#include "ui/qt/text.h"

namespace ui::qt {

namespace {

QMessageBox::Icon box_icon(ui::Message_Icon icon) {
    switch (icon) {
    case ui::Message_Icon::None: return QMessageBox::NoIcon;
    case ui::Message_Icon::Stop: return QMessageBox::Critical;
    case ui::Message_Icon::Information: return QMessageBox::Information;
    case ui::Message_Icon::Warning: return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Qt_Front_End::Qt_Front_End(ui::Application& application)
    : application_(application), filter_(std::make_unique<Input_Filter>(registry_, host())) {
    install_font_substitutions();
    install_style();
    // After the style, whose setting puts back the desktop's fonts.
    install_application_font();
    // Windows ignore their close button and the model decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::instance()->installEventFilter(filter_.get());
    application_.set_front_end(*this);
}

Qt_Front_End::~Qt_Front_End() {
    QCoreApplication::instance()->removeEventFilter(filter_.get());
    for (const auto& window : windows_) {
        window->form().attach_view(nullptr);
        for (ui::Control* control : window->form().controls()) control->attach_view(nullptr);
    }
    // A dialog's window belongs to the main window, which was made before it: the last goes first.
    while (!windows_.empty()) windows_.pop_back();
}

Form_Window* Qt_Front_End::find_window(const ui::Form& form) const {
    for (const auto& window : windows_)
        if (&window->form() == &form) return window.get();
    return nullptr;
}

QWidget* Qt_Front_End::window_of(const ui::Form& form) const { return find_window(form); }

Form_Window& Qt_Front_End::window_for(ui::Form& form, bool as_dialog) {
    if (Form_Window* window = find_window(form)) return *window;
    QWidget* owner = nullptr;
    Qt::WindowFlags flags = Qt::Window;
    if (as_dialog) {
        const ui::Form* main_form = application_.main_form();
        if (main_form != &form && main_form != nullptr) owner = find_window(*main_form);
        flags = Qt::Dialog;
    }
    if (!form.minimize_box()) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (form.sizeable()) flags |= Qt::WindowMaximizeButtonHint;
    }
    auto window = std::make_unique<Form_Window>(form, registry_, host(), owner, flags);
    registry_.add_window(form, *window);
    registry_.add(form, window->client());
    form.attach_view(window.get());
    // The client area takes the form's font first: the peers are then made in the font most of
    // them keep, instead of each changing to it.
    window->control_changed();
    make_peers_inside(form, window->client());
    windows_.push_back(std::move(window));
    return *windows_.back();
}

void Qt_Front_End::make_peers_inside(ui::Win_Control& container, QWidget& widget) {
    create_peers(container, widget, registry_, host());
}

void Qt_Front_End::show(ui::Form& form) {
    Form_Window& window = window_for(form, false);
    application_.dispatch([&form] { form.show(); });
    window.show_centred();
    window.follow_focus();
}

void Qt_Front_End::run(ui::Form& main_form) {
    show(main_form);
    if (quit_requested_) return;
    main_loop_running_ = true;
    QApplication::exec();
    main_loop_running_ = false;
}

void Qt_Front_End::quit() {
    quit_requested_ = true;
    if (main_loop_running_) QCoreApplication::exit(0);
}

std::string Qt_Front_End::clipboard_text() const { return model_text(QGuiApplication::clipboard()->text()); }

void Qt_Front_End::set_clipboard_text(const std::string& text) {
    QGuiApplication::clipboard()->setText(to_qstring(text));
}

void Qt_Front_End::run_modal(ui::Form& form) {
    Form_Window& window = window_for(form, true);
    window.setWindowModality(Qt::ApplicationModal);
    window.show_centred();
    window.follow_focus();
    QEventLoop loop;
    modal_loops_.push_back({&form, &loop});
    struct Loop_End {
        std::vector<Modal_Loop>& loops;
        ~Loop_End() { loops.pop_back(); }
    } loop_end{modal_loops_};
    if (form.modal_result() == ui::Mr_None) loop.exec(QEventLoop::DialogExec);
    window.hide();
}

void Qt_Front_End::show_message(const ui::Message_Box& box) {
    if (message_handler_) return message_handler_(box);
    QWidget* owner = QApplication::activeWindow();
    QMessageBox message(box_icon(box.icon), to_qstring(box.caption), to_qstring(box.text), QMessageBox::Ok, owner);
    message.setTextFormat(Qt::PlainText);
    // A box speaks in the font of the window it belongs to.
    const ui::Form* form = registry_.form_of_window(owner);
    if (form == nullptr) form = application_.main_form();
    message.setFont(to_qfont(form != nullptr ? form->font() : ui::Font{}));
    message.exec();
}

void Qt_Front_End::after_model_event() {
    for (const Modal_Loop& running : modal_loops_)
        if (running.form->modal_result() != ui::Mr_None) running.loop->exit();
    for (const auto& window : windows_)
        if (window->isVisible()) window->follow_focus();
}

}  // namespace ui::qt
