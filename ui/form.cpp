#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/buttons.h"

namespace ui {

Form::Form(Application& application, std::string name)
    : Win_Control(*this, nullptr, std::move(name), Control_Kind::Form), application_(application) {
    set_visible(false);
}

Form::~Form() { focused_ = nullptr; }

Main_Menu& Form::create_main_menu(std::string name) {
    menu_ = std::make_unique<Main_Menu>(std::move(name));
    return *menu_;
}

Action_List& Form::create_action_list(std::string name) {
    action_lists_.push_back(std::make_unique<Action_List>(std::move(name)));
    return *action_lists_.back();
}

Action* Form::find_action(const std::string& name) const {
    for (const auto& list : action_lists_)
        if (Action* action = list->find(name)) return action;
    return nullptr;
}

const Action_List* Form::find_action_list(const std::string& name) const {
    for (const auto& list : action_lists_)
        if (list->name() == name) return list.get();
    return nullptr;
}

Control* Form::find(const std::string& name) const {
    for (const auto& control : owned_)
        if (control->name() == name) return control.get();
    return nullptr;
}

std::vector<Control*> Form::controls() const {
    std::vector<Control*> list;
    list.reserve(owned_.size());
    for (const auto& control : owned_) list.push_back(control.get());
    return list;
}

bool Form::focus_control(Win_Control* target, Focus_Cause cause) {
    if (target == this) target = nullptr;
    if (target == focused_) return true;
    if (target && !target->can_focus()) return false;
    if (exiting_) {
        redirected_target_ = target;
        return true;
    }
    Win_Control* const left = focused_;
    // A hidden form holds no focus that a user could leave: the control it remembers is let go
    // without its exit, which runs when the user leaves that control in the shown form.
    if (left && left->OnExit && showing()) {
        exiting_ = true;
        redirected_target_ = target;
        try {
            left->OnExit(*left);
        } catch (...) {
            exiting_ = false;
            throw;
        }
        exiting_ = false;
        target = redirected_target_;
        if (target && !target->can_focus()) target = nullptr;
    }
    focused_ = target;
    focus_cause_ = cause == Focus_Cause::Program ? input_cause_ : cause;
    changed();
    // The controls show whether they hold the focus: a field shows its selection only then.
    if (left) left->changed();
    if (target) {
        target->changed();
        target->focus_arrived(cause);
        if (target->OnEnter) target->OnEnter(*target);
    }
    return focused_ == target;
}

void Form::tab_order_list(const Win_Control& container, std::vector<Win_Control*>& list) const {
    for (Win_Control* child : container.tab_list()) {
        list.push_back(child);
        tab_order_list(*child, list);
    }
}

Win_Control* Form::next_tab_control(Win_Control* from, bool forward) const {
    std::vector<Win_Control*> list;
    tab_order_list(*this, list);
    if (list.empty()) return nullptr;
    const auto count = static_cast<int>(list.size());
    const auto found = std::find(list.begin(), list.end(), from);
    int index = found == list.end() ? (forward ? -1 : count) : static_cast<int>(found - list.begin());
    for (int step = 0; step < count; ++step) {
        index = ((forward ? index + 1 : index - 1) % count + count) % count;
        Win_Control* candidate = list[static_cast<std::size_t>(index)];
        if (candidate != from && candidate->tab_stop() && candidate->can_focus()) return candidate;
    }
    return nullptr;
}

void Form::select_next(bool forward) {
    if (Win_Control* next = next_tab_control(focused_, forward))
        focus_control(next, forward ? Focus_Cause::Keyboard : Focus_Cause::Keyboard_Backward);
}

void Form::select_first_in(Win_Control& container) {
    std::vector<Win_Control*> list;
    tab_order_list(container, list);
    for (Win_Control* candidate : list) {
        if (candidate->tab_stop() && candidate->can_focus()) {
            focus_control(candidate);
            return;
        }
    }
    focus_control(&container);
}

static Button* find_button(const std::vector<Control*>& controls, bool (Button::*flag)() const) {
    for (Control* control : controls) {
        auto* button = dynamic_cast<Button*>(control);
        if (button && (button->*flag)() && button->showing() && button->effectively_enabled()) return button;
    }
    return nullptr;
}

Button* Form::default_button() const { return find_button(controls(), &Button::is_default); }
Button* Form::cancel_button() const { return find_button(controls(), &Button::is_cancel); }

void Form::set_sizeable(bool sizeable) {
    sizeable_ = sizeable;
    changed();
}

void Form::set_minimize_box(bool minimize_box) {
    minimize_box_ = minimize_box;
    changed();
}

void Form::show() {
    Control::set_visible(true);
    if (!focused_ || !focused_->can_focus()) select_first_in(*this);
}

int Form::show_modal() {
    modal_result_ = Mr_None;
    modal_ = true;
    struct Modal_End {
        Form& form;
        ~Modal_End() {
            form.modal_ = false;
            form.Control::set_visible(false);
        }
    } end{*this};
    show();
    application_.front_end().run_modal(*this);
    return modal_result_;
}

void Form::close() {
    if (modal_) set_modal_result(Mr_Cancel);
    else if (this == application_.main_form()) application_.terminate();
    else Control::set_visible(false);
}

}  // namespace ui
