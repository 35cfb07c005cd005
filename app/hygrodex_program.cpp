#include "app/hygrodex_program.h"

#include "app/run_program.h"
#include "dialogs/about.h"
#include "dialogs/status.h"
#include "main/psy.h"
#include "tables/tables.h"

using dialogs::TAboutBox;
using dialogs::Tconfig;
using hygrodex::TForm1;
using tables::Tpsytable;

namespace app {

int run_hygrodex(int argc, char** argv, const std::function<void()>& once_open) {
    return run_program(
        argc, argv, "Hygrodex",
        [](ui::Application& application) {
            // The main window comes first and so is the application's main window.
            TForm1& main_window = application.create_form<TForm1>();
            TAboutBox& about_box = application.create_form<TAboutBox>();
            Tconfig& settings = application.create_form<Tconfig>();
            Tpsytable& tables = application.create_form<Tpsytable>();
            main_window.Connect_Dialogs(about_box, settings);
            main_window.Connect_Tables(tables);
        },
        once_open);
}

}  // namespace app
