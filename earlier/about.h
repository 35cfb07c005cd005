#pragma once

#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/form.h"
#include "ui/static_controls.h"

namespace moistrel {

// The About box: the program's picture, name, version and two credit lines. OK closes it.
class TAboutBox : public ui::Form {
public:
    explicit TAboutBox(ui::Application& application);

    ui::Panel* Panel1 = nullptr;
    ui::Image* ProgramIcon = nullptr;
    ui::Label* ProductName = nullptr;
    ui::Label* Version = nullptr;
    ui::Label* Credit1 = nullptr;
    ui::Label* Credit2 = nullptr;
    ui::Button* OKButton = nullptr;

private:
    void Create_Layout();
};

}  // namespace moistrel
