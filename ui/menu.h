#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Action {
public:
    explicit Action(std::string name) : name_(std::move(name)) {}
    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption) { caption_ = std::move(caption); }
    const std::string& hint() const { return hint_; }
    void set_hint(std::string hint) { hint_ = std::move(hint); }
    void execute() {
        if (OnExecute) OnExecute(*this);
    }

    std::function<void(Action& sender)> OnExecute;

private:
    std::string name_;
    std::string caption_;
    std::string hint_;
};

class Action_List {
public:
    explicit Action_List(std::string name) : name_(std::move(name)) {}
    const std::string& name() const { return name_; }
    Action& add(std::string name);
    Action* find(const std::string& name) const;

private:
    std::string name_;
    std::vector<std::unique_ptr<Action>> actions_;
};

// A menu of the menu bar or one of its items; an item linked to an action runs the action.
class Menu_Item {
public:
    Menu_Item(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {}
    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    Menu_Item& add(std::string name, std::string caption);
    const std::vector<std::unique_ptr<Menu_Item>>& items() const { return items_; }
    void link(Action& action) { action_ = &action; }
    Action* action() const { return action_; }
    void click();

    std::function<void(Menu_Item& sender)> OnClick;

private:
    std::string name_;
    std::string caption_;
    Action* action_ = nullptr;
    std::vector<std::unique_ptr<Menu_Item>> items_;
};

class Main_Menu {
public:
    explicit Main_Menu(std::string name) : name_(std::move(name)) {}
    const std::string& name() const { return name_; }
    Menu_Item& add(std::string name, std::string caption);
    const std::vector<std::unique_ptr<Menu_Item>>& menus() const { return menus_; }
    Menu_Item* find(const std::string& name) const;

private:
    std::string name_;
    std::vector<std::unique_ptr<Menu_Item>> menus_;
};

}  // namespace ui
