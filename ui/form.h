#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/menu.h"
#include "ui/win_control.h"

namespace ui {

class Application;
class Button;

// A window: owns its controls, menus and actions, and keeps which control has the focus.
class Form : public Win_Control {
public:
    Form(Application& application, std::string name);
    ~Form() override;

    Application& application() const { return application_; }

    // Creates a control owned by this form inside parent (nullptr: the form itself).
    template <class T, class... Args>
    T& create(Win_Control* parent, std::string name, Args&&... args) {
        auto control = std::make_unique<T>(*this, parent ? parent : this, std::move(name), std::forward<Args>(args)...);
        T& result = *control;
        owned_.push_back(std::move(control));
        return result;
    }
    Main_Menu& create_main_menu(std::string name);
    Main_Menu* main_menu() const { return menu_.get(); }
    Action_List& create_action_list(std::string name);
    // The action of that name in any of the form's action lists.
    Action* find_action(const std::string& name) const;
    // The action list of that name, if the form has one.
    const Action_List* find_action_list(const std::string& name) const;

    Control* find(const std::string& name) const;
    template <class T>
    T& get(const std::string& name) const {
        auto* control = dynamic_cast<T*>(find(name));
        if (!control) throw std::logic_error("no control " + name + " of that kind on " + this->name());
        return *control;
    }
    // Every control the form owns, in creation order.
    std::vector<Control*> controls() const;

    Win_Control* focused() const { return focused_; }
    // Moves the focus: the focused control's OnExit runs to its end first; an exception out of it
    // leaves the focus where it was and propagates. A form that is not showing runs no exit. A focus request made
    // inside that OnExit wins over this one. Returns whether the focus is now on target.
    bool focus_control(Win_Control* target, Focus_Cause cause = Focus_Cause::Program);
    // What brought the focus to where it is. A move of the program's own counts as made by the
    // user's input that it answers, so that a view can show the focus as that input would.
    Focus_Cause focus_cause() const { return focus_cause_; }
    // While one lives, the form handles input of that cause.
    class Input_Scope {
    public:
        Input_Scope(Form& form, Focus_Cause cause) : form_(form), outer_(form.input_cause_) {
            form.input_cause_ = cause;
        }
        ~Input_Scope() { form_.input_cause_ = outer_; }
        Input_Scope(const Input_Scope&) = delete;
        Input_Scope& operator=(const Input_Scope&) = delete;

    private:
        Form& form_;
        Focus_Cause outer_;
    };
    // The next control that takes the focus by Tab after from, in tab order, wrapping around.
    Win_Control* next_tab_control(Win_Control* from, bool forward) const;
    void select_next(bool forward);
    void select_first_in(Win_Control& container);

    Button* default_button() const;
    Button* cancel_button() const;

    int modal_result() const { return modal_result_; }
    void set_modal_result(int result) { modal_result_ = result; }
    bool modal() const { return modal_; }
    // Shows the form; the focus goes to its first control in tab order unless it kept one.
    void show();
    int show_modal();
    // Closing a modal form cancels it; closing the main form ends the program.
    void close();

    int client_width() const { return bounds().width; }
    int client_height() const { return bounds().height; }
    // A sizeable window can be resized by the user; the controls follow by their anchors.
    bool sizeable() const { return sizeable_; }
    void set_sizeable(bool sizeable);
    bool minimize_box() const { return minimize_box_; }
    void set_minimize_box(bool minimize_box);

private:
    void tab_order_list(const Win_Control& container, std::vector<Win_Control*>& list) const;

    Application& application_;
    std::vector<std::unique_ptr<Control>> owned_;
    std::unique_ptr<Main_Menu> menu_;
    std::vector<std::unique_ptr<Action_List>> action_lists_;
    Win_Control* focused_ = nullptr;
    Focus_Cause focus_cause_ = Focus_Cause::Program;
    Focus_Cause input_cause_ = Focus_Cause::Program;
    bool exiting_ = false;
    Win_Control* redirected_target_ = nullptr;
    int modal_result_ = Mr_None;
    bool modal_ = false;
    bool sizeable_ = false;
    bool minimize_box_ = true;
};

}  // namespace ui
