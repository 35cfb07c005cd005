#include <exception>

#include "earlier/about.h"
#include "earlier/psy.h"
#include "earlier/status.h"
#include "ui/application.h"
#include "ui/qt/application_start.h"
#include "ui/qt/environment.h"
#include "ui/qt/qt_front_end.h"

// Moistrel reads no command-line argument; argv goes to Qt only.
int main(int argc, char** argv) {
    ui::qt::prepare_environment(false);
    const auto qt_application = ui::qt::open_application(argc, argv, "Moistrel");

    ui::Application application("Moistrel");
    ui::qt::Qt_Front_End front_end(application);
    try {
        // The main window comes first and so is the application's main window.
        moistrel::TForm1& main_window = application.create_form<moistrel::TForm1>();
        moistrel::TAboutBox& about_box = application.create_form<moistrel::TAboutBox>();
        moistrel::Tconfig& settings = application.create_form<moistrel::Tconfig>();
        main_window.Connect_Dialogs(about_box, settings);
        application.run();
    } catch (const std::exception& error) {
        application.show_exception(error);
    }
    return 0;
}
