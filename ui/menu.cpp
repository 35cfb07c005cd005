#include "ui/menu.h"

namespace ui {

Action& Action_List::add(std::string name) {
    actions_.push_back(std::make_unique<Action>(std::move(name)));
    return *actions_.back();
}

Action* Action_List::find(const std::string& name) const {
    for (const auto& action : actions_)
        if (action->name() == name) return action.get();
    return nullptr;
}

Menu_Item& Menu_Item::add(std::string name, std::string caption) {
    items_.push_back(std::make_unique<Menu_Item>(std::move(name), std::move(caption)));
    return *items_.back();
}

void Menu_Item::click() {
    if (action_) action_->execute();
    else if (OnClick) OnClick(*this);
}

Menu_Item& Main_Menu::add(std::string name, std::string caption) {
    menus_.push_back(std::make_unique<Menu_Item>(std::move(name), std::move(caption)));
    return *menus_.back();
}

Menu_Item* Main_Menu::find(const std::string& name) const {
    for (const auto& menu : menus_) {
        if (menu->name() == name) return menu.get();
        for (const auto& item : menu->items())
            if (item->name() == name) return item.get();
    }
    return nullptr;
}

}  // namespace ui
