#include "tests/support/headless_front_end.h"

#include <gtest/gtest.h>

#include "ui/form.h"

namespace test_support {

void Headless_Front_End::run(ui::Form& main_form) { main_form.show(); }

void Headless_Front_End::run_modal(ui::Form& form) {
    modal_forms_shown.push_back(form.name());
    if (responders_.empty()) {
        ADD_FAILURE() << "modal form " << form.name() << " opened with no scripted answer";
        form.set_modal_result(ui::Mr_Cancel);
        return;
    }
    Responder responder = std::move(responders_.front());
    responders_.pop_front();
    responder(form);
    if (form.modal_result() == ui::Mr_None) {
        ADD_FAILURE() << "the scripted answer left modal form " << form.name() << " open";
        form.set_modal_result(ui::Mr_Cancel);
    }
}

void Headless_Front_End::show_message(const ui::Message_Box& box) {
    boxes.push_back({box.text, box.caption, box.icon});
}

std::vector<std::string> Headless_Front_End::take_box_texts() {
    std::vector<std::string> texts;
    for (const auto& box : boxes) texts.push_back(box.text);
    boxes.clear();
    return texts;
}

}  // namespace test_support
