#pragma once

#include <vector>

#include "ui/control.h"

namespace ui {

// What moved the focus: the program on its own, a key (Tab, Enter; Shift+Tab walks backward) or
// the mouse.
enum class Focus_Cause { Program, Keyboard, Keyboard_Backward, Mouse };

using Key_Press_Event = std::function<void(Control& sender, char& key)>;

// A control with a window of its own: it can hold children and take the keyboard focus.
class Win_Control : public Control {
public:
    Win_Control(Form& form, Win_Control* parent, std::string name, Control_Kind kind);

    // Non-windowed children first, then windowed ones, each in creation order.
    const std::vector<Control*>& children() const { return children_; }
    int child_count() const { return static_cast<int>(children_.size()); }
    Control& child(int index) const { return *children_.at(static_cast<std::size_t>(index)); }
    // Windowed children in tab order.
    const std::vector<Win_Control*>& tab_list() const { return tab_list_; }
    void set_tab_order(int order);
    bool tab_stop() const { return tab_stop_; }
    void set_tab_stop(bool tab_stop) { tab_stop_ = tab_stop; }

    bool can_focus() const;
    bool focused() const;
    // A request of the program: runs the focused control's exit, then this one's enter.
    void set_focus();
    bool contains(const Control& control) const;

    void set_bounds(Rect bounds) override;
    void set_enabled(bool enabled) override;
    void set_visible(bool visible) override;

    // Disabling or hiding a control that holds the focus, or a page switch that hides it, moves
    // the focus off it first: to the form, with the focused control's exit run while the form
    // is showing.
    void release_focus_before_hiding();

    // Called after the focus has come, before OnEnter.
    virtual void focus_arrived(Focus_Cause) {}

    Notify_Event OnEnter;
    Notify_Event OnExit;
    Key_Press_Event OnKeyPress;

private:
    friend class Control;
    void add_child(Control& child);
    void add_child(Win_Control& child);
    std::vector<Control*> children_;
    std::vector<Win_Control*> tab_list_;
    bool tab_stop_ = false;
};

}  // namespace ui
