#include "app/run_program.h"
#include "earlier/about.h"
#include "earlier/psy.h"
#include "earlier/status.h"

using app::run_program;

// Moistrel reads no command-line argument; argv goes to Qt only.
int main(int argc, char** argv) {
    return run_program(argc, argv, "Moistrel", [](ui::Application& application) {
        // The main window comes first and so is the application's main window.
        moistrel::TForm1& main_window = application.create_form<moistrel::TForm1>();
        moistrel::TAboutBox& about_box = application.create_form<moistrel::TAboutBox>();
        moistrel::Tconfig& settings = application.create_form<moistrel::Tconfig>();
        main_window.Connect_Dialogs(about_box, settings);
    });
}
