#include "ui/qt/application_start.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace ui::qt {

namespace {

struct Held_Message {
    QtMsgType type;
    std::string category;
    QString text;
};

// A message handler is a plain function, so what it needs lives here while Qt starts.
std::string starting_program;
std::vector<Held_Message> held_messages;

std::string no_display_message(const std::string& program) {
    return program + " needs a display to show its window: set DISPLAY or WAYLAND_DISPLAY, or start it under xvfb-run.";
}

void hold_message(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt gives up when no platform plugin can open a display; it would abort after this.
        std::fputs((no_display_message(starting_program) + "\n").c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    held_messages.push_back({type, context.category != nullptr ? context.category : "", text});
}

void pass_on_held_messages(QtMessageHandler handler) {
    for (const Held_Message& held : held_messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.c_str());
        if (handler != nullptr) handler(held.type, context, held.text);
        else qt_message_output(held.type, context, held.text);
    }
    held_messages.clear();
}

}  // namespace

std::unique_ptr<QApplication> open_application(int& argc, char** argv, const std::string& program) {
    starting_program = program;
    const QtMessageHandler outer = qInstallMessageHandler(hold_message);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(outer);
    pass_on_held_messages(outer);
    return application;
}

}  // namespace ui::qt
