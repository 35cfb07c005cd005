#pragma once

#include "ui/form.h"

namespace ui {
class Button;
class Image;
class Label;
class Panel;
}  // namespace ui

namespace moistrel {

// The About box: the program's picture, name, version and two credit lines. OK closes it.
class TAboutBox : public ui::Form {
public:
    explicit TAboutBox(ui::Application& application);

private:
    // The box as data (about.cpp).
    struct Layout_Tables;

    void Create_Layout();

    ui::Panel* Panel1 = nullptr;
    ui::Image* ProgramIcon = nullptr;
    ui::Label* ProductName = nullptr;
    ui::Label* Version = nullptr;
    ui::Label* Credit1 = nullptr;
    ui::Label* Credit2 = nullptr;
    ui::Button* OKButton = nullptr;
};

}  // namespace moistrel
