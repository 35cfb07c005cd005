#include "ui/containers.h"

#include <algorithm>
#include <stdexcept>

#include "ui/form.h"

namespace ui {

Group_Box::Group_Box(Form& form, Win_Control* parent, std::string name)
    : Win_Control(form, parent, std::move(name), Control_Kind::Group_Box) {}

Panel::Panel(Form& form, Win_Control* parent, std::string name)
    : Win_Control(form, parent, std::move(name), Control_Kind::Panel) {}

Page_Control::Page_Control(Form& form, Win_Control* parent, std::string name)
    : Win_Control(form, parent, std::move(name), Control_Kind::Page_Control) {
    set_tab_stop(true);
}

int Page_Control::active_page_index() const {
    const auto found = std::find(pages_.begin(), pages_.end(), active_);
    return found == pages_.end() ? -1 : static_cast<int>(found - pages_.begin());
}

void Page_Control::set_tab_position(Tab_Position position) {
    tab_position_ = position;
    changed();
}

void Page_Control::set_active_page(Tab_Sheet* page) {
    if (page == active_) return;
    if (active_) active_->release_focus_before_hiding();
    active_ = page;
    changed();
}

void Page_Control::change_page_by_user(Tab_Sheet* page, bool focus_enters) {
    set_active_page(page);
    if (focus_enters) form().select_first_in(*page);
    if (OnChange) OnChange(*this);
}

void Page_Control::select_page_by_user(int index) {
    Tab_Sheet* page = pages_.at(static_cast<std::size_t>(index));
    // As a desktop's page control, so that Left and Right then step through the pages. An exit
    // may have sent the focus elsewhere.
    form().focus_control(this, Focus_Cause::Mouse);
    if (!focused()) return;
    if (page != active_) change_page_by_user(page, false);
}

void Page_Control::step_page_by_user(bool forward) {
    const int count = static_cast<int>(pages_.size());
    if (count == 0) return;
    const int step = forward ? 1 : count - 1;
    Tab_Sheet* page = pages_[static_cast<std::size_t>((std::max(active_page_index(), 0) + step) % count)];
    if (page == active_) return;
    Form& owner = form();
    const bool focus_was_on_old_page = active_ && owner.focused() && active_->contains(*owner.focused());
    if (focus_was_on_old_page) {
        // Leaving the field runs its exit while the old page is still the active one.
        owner.focus_control(active_);
        if (owner.focused() != active_) return;
    }
    change_page_by_user(page, focus_was_on_old_page);
}

static Page_Control& as_page_control(Win_Control* parent) {
    auto* pages = dynamic_cast<Page_Control*>(parent);
    if (!pages) throw std::logic_error("a tab sheet belongs in a page control");
    return *pages;
}

Tab_Sheet::Tab_Sheet(Form& form, Win_Control* parent, std::string name)
    : Win_Control(form, &as_page_control(parent), std::move(name), Control_Kind::Tab_Sheet) {
    Page_Control& pages = page_control();
    pages.pages_.push_back(this);
    if (!pages.active_) pages.active_ = this;
}

Page_Control& Tab_Sheet::page_control() const { return *static_cast<Page_Control*>(parent()); }

bool Tab_Sheet::showing() const { return page_control().active_page() == this && Win_Control::showing(); }

Status_Bar::Status_Bar(Form& form, Win_Control* parent, std::string name)
    : Win_Control(form, parent, std::move(name), Control_Kind::Status_Bar) {}

void Status_Bar::add_panel(int width) {
    panels_.push_back({width, {}});
    changed();
}

const std::string& Status_Bar::panel_text(int index) const { return panels_.at(static_cast<std::size_t>(index)).text; }

void Status_Bar::set_panel_text(int index, std::string text) {
    auto& panel = panels_.at(static_cast<std::size_t>(index));
    if (panel.text == text) return;
    panel.text = std::move(text);
    changed();
}

Track_Bar::Track_Bar(Form& form, Win_Control* parent, std::string name)
    : Win_Control(form, parent, std::move(name), Control_Kind::Track_Bar) {
    set_tab_stop(true);
}

void Track_Bar::set_range(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    set_position(position_);
    changed();
}

void Track_Bar::set_position(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    changed();
    if (OnChange) OnChange(*this);
}

void Track_Bar::press_key(Key key) {
    constexpr int line_size = 1;
    constexpr int page_size = 2;
    switch (key) {
    case Key::Left:
    case Key::Up: set_position(position_ - line_size); break;
    case Key::Right:
    case Key::Down: set_position(position_ + line_size); break;
    case Key::Page_Up: set_position(position_ - page_size); break;
    case Key::Page_Down: set_position(position_ + page_size); break;
    case Key::Home: set_position(min_); break;
    case Key::End: set_position(max_); break;
    default: break;
    }
}

}  // namespace ui
