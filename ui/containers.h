#pragma once

#include <string>
#include <vector>

#include "ui/win_control.h"

namespace ui {

class Group_Box : public Win_Control {
public:
    Group_Box(Form& form, Win_Control* parent, std::string name);
};

// A plain container framed by a lowered outer and a raised inner bevel.
class Panel : public Win_Control {
public:
    Panel(Form& form, Win_Control* parent, std::string name);
};

class Tab_Sheet;

class Page_Control : public Win_Control {
public:
    Page_Control(Form& form, Win_Control* parent, std::string name);

    const std::vector<Tab_Sheet*>& pages() const { return pages_; }
    Tab_Position tab_position() const { return tab_position_; }
    void set_tab_position(Tab_Position position);
    Tab_Sheet* active_page() const { return active_; }
    int active_page_index() const;
    // A change by the program: fires nothing. The focus leaves a field of the old page while that
    // page is still active, as it leaves any control hidden from code, and stays off the new one.
    void set_active_page(Tab_Sheet* page);
    // A tab click by the user: the tabs take the focus, so the focused control's exit runs while
    // the old page is still active; then the page changes and OnChange runs. An exit that raises
    // or sends the focus elsewhere stops the click.
    void select_page_by_user(int index);
    // The user's step by a key to the next or the previous page, wrapping at either end: a field
    // of the old page is left while that page is still active, and the focus then enters the new
    // page; a focus elsewhere stays where it is.
    void step_page_by_user(bool forward);

    Notify_Event OnChange;

private:
    friend class Tab_Sheet;
    // The page becomes the active one; the focus enters it when asked, then OnChange runs.
    void change_page_by_user(Tab_Sheet* page, bool focus_enters);

    std::vector<Tab_Sheet*> pages_;
    Tab_Sheet* active_ = nullptr;
    Tab_Position tab_position_ = Tab_Position::Top;
};

class Tab_Sheet : public Win_Control {
public:
    // Its parent must be a page control.
    Tab_Sheet(Form& form, Win_Control* parent, std::string name);
    Page_Control& page_control() const;
    bool showing() const override;
};

struct Status_Panel {
    int width = 0;
    std::string text;
};

class Status_Bar : public Win_Control {
public:
    Status_Bar(Form& form, Win_Control* parent, std::string name);
    const std::vector<Status_Panel>& panels() const { return panels_; }
    void add_panel(int width);
    const std::string& panel_text(int index) const;
    void set_panel_text(int index, std::string text);

private:
    std::vector<Status_Panel> panels_;
};

class Track_Bar : public Win_Control {
public:
    Track_Bar(Form& form, Win_Control* parent, std::string name);
    int min() const { return min_; }
    int max() const { return max_; }
    void set_range(int min, int max);
    int position() const { return position_; }
    // Every change of position fires OnChange, from the program as from the user.
    void set_position(int position);
    int frequency() const { return frequency_; }
    void set_frequency(int frequency) { frequency_ = frequency; }
    int thumb_length() const { return thumb_length_; }
    void set_thumb_length(int length) { thumb_length_ = length; }
    void press_key(Key key);

    Notify_Event OnChange;

private:
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
    int thumb_length_ = 20;
};

}  // namespace ui
