#pragma once

#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/containers.h"
#include "ui/form.h"
#include "ui/static_controls.h"

namespace dialogs {

// The About box: the program's name, version and how to reach its authors. OK closes it.
class TAboutBox : public ui::Form {
public:
    explicit TAboutBox(ui::Application& application);

    ui::Panel* Panel1 = nullptr;
    ui::Image* ProgramIcon = nullptr;
    ui::Label* ProductName = nullptr;
    ui::Label* Version = nullptr;
    ui::Label* Label1 = nullptr;
    // The contact lines, one a line; it takes no focus and no input.
    ui::Label* Memo1 = nullptr;
    ui::Button* OKButton = nullptr;

private:
    void Create_Layout();
    void Fill_Contacts();
};

}  // namespace dialogs
