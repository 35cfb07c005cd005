#pragma once

#include <gtest/gtest.h>

#include <QWidget>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/edit.h"
#include "ui/qt/qt_front_end.h"
#include "ui/qt/text.h"
#include "ui/static_controls.h"

// A small form of every kind of control, shown through the Qt front end. Handlers write what
// they see into log; message boxes are recorded, never shown.
class Qt_Form_Test : public ::testing::Test {
protected:
    Qt_Form_Test() {
        form.set_caption("Test window");
        form.set_bounds({0, 0, 420, 300});
        ui::Menu_Item& file = form.create_main_menu("Main_Menu").add("File_Menu", "&File");
        file.add("Open_Item", "&Open").OnClick = [this](ui::Menu_Item& item) { log.push_back("menu " + item.name()); };

        first.set_bounds({10, 10, 80, 17});
        second.set_bounds({10, 35, 80, 17});
        button.set_bounds({100, 10, 75, 25});
        button.set_caption("A && B");
        tick.set_bounds({100, 40, 90, 17});
        tick.set_caption("Tick");
        pages.set_bounds({200, 10, 201, 120});
        page_one.set_caption("One");
        page_two.set_caption("Two");
        page_one_edit.set_bounds({8, 8, 60, 17});
        page_two_edit.set_bounds({8, 8, 60, 17});
        group.set_bounds({10, 140, 180, 60});
        group.set_caption("A && B");
        label.set_bounds({8, 20, 160, 17});
        label.set_caption("A && B");
        step_bar.set_bounds({200, 140, 120, 40});
        step_bar.set_range(1, 10);
        step_bar.set_position(2);
        chart.set_bounds({10, 205, 180, 70});
        chart.set_cursor(ui::Cursor::Cross);
        status.set_bounds({0, 280, 420, 20});
        status.add_panel(120);
        status.add_panel(300);
        status.set_panel_text(0, "Panel one");
        status.set_panel_text(1, "Panel two");

        for (ui::Win_Control* control :
             std::initializer_list<ui::Win_Control*>{&first, &second, &button, &tick, &step_bar})
            log_focus(*control);
        first.OnKeyPress = [this](ui::Control&, char& key) {
            log.push_back("key " + std::to_string(static_cast<unsigned char>(key)));
            if (key == 'x') key = 0;
        };
        button.OnClick = [this](ui::Control& sender) { log.push_back("click " + sender.name()); };
        tick.OnClick = [this](ui::Control& sender) { log.push_back("click " + sender.name()); };
        chart.OnMouseMove = [this](ui::Control&, ui::Shift_State, int x, int y) {
            log.push_back("move " + std::to_string(x) + " " + std::to_string(y));
        };
        chart.OnMouseDown = [this](ui::Control&, ui::Mouse_Button, ui::Shift_State, int x, int y) {
            log.push_back("down " + std::to_string(x) + " " + std::to_string(y));
        };

        front_end.divert_messages([this](const ui::Message_Box& box) { boxes.push_back(box); });
        front_end.show(form);
        log.clear();
    }

    void log_focus(ui::Win_Control& control) {
        control.OnEnter = [this](ui::Control& sender) { log.push_back("enter " + sender.name()); };
        control.OnExit = [this](ui::Control& sender) { log.push_back("exit " + sender.name()); };
    }

    QWidget& window() const { return *front_end.window_of(form); }

    // The peer of the control of that name, as the window holds it.
    template <class Widget>
    Widget& peer(const std::string& name) const {
        auto* widget = window().findChild<Widget*>(ui::qt::to_qstring(name));
        if (widget == nullptr) throw std::logic_error("no peer " + name);
        return *widget;
    }

    ui::Application app{"Testprog.exe"};
    ui::Form& form = app.create_form<ui::Form>("Test_Form");
    ui::Edit& first = form.create<ui::Edit>(nullptr, "First_Edit");
    ui::Edit& second = form.create<ui::Edit>(nullptr, "Second_Edit");
    ui::Button& button = form.create<ui::Button>(nullptr, "Go_Button");
    ui::Check_Box& tick = form.create<ui::Check_Box>(nullptr, "Tick_Box");
    ui::Page_Control& pages = form.create<ui::Page_Control>(nullptr, "Pages");
    ui::Tab_Sheet& page_one = form.create<ui::Tab_Sheet>(&pages, "Page_One");
    ui::Tab_Sheet& page_two = form.create<ui::Tab_Sheet>(&pages, "Page_Two");
    ui::Edit& page_one_edit = form.create<ui::Edit>(&page_one, "Page_One_Edit");
    ui::Edit& page_two_edit = form.create<ui::Edit>(&page_two, "Page_Two_Edit");
    ui::Group_Box& group = form.create<ui::Group_Box>(nullptr, "Amp_Group");
    ui::Label& label = form.create<ui::Label>(&group, "Amp_Label");
    ui::Track_Bar& step_bar = form.create<ui::Track_Bar>(nullptr, "Step_Bar");
    ui::Image& chart = form.create<ui::Image>(nullptr, "Chart");
    ui::Status_Bar& status = form.create<ui::Status_Bar>(nullptr, "Status");
    std::vector<std::string> log;
    std::vector<ui::Message_Box> boxes;
    ui::qt::Qt_Front_End front_end{app};
};

using Log = std::vector<std::string>;
