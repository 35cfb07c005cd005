#include "app/hygrodex_program.h"

#include <exception>

#include "dialogs/about.h"
#include "dialogs/status.h"
#include "main/psy.h"
#include "tables/tables.h"
#include "ui/application.h"
#include "ui/qt/application_start.h"
#include "ui/qt/environment.h"
#include "ui/qt/qt_front_end.h"

int run_hygrodex(int argc, char** argv, const std::function<void()>& once_open) {
    ui::qt::prepare_environment(false);
    const auto qt_application = ui::qt::open_application(argc, argv, "Hygrodex");
    if (once_open) once_open();

    ui::Application application("Hygrodex");
    ui::qt::Qt_Front_End front_end(application);
    try {
        // The main window comes first and so is the application's main window.
        TForm1& main_window = application.create_form<TForm1>();
        TAboutBox& about_box = application.create_form<TAboutBox>();
        Tconfig& settings = application.create_form<Tconfig>();
        Tpsytable& tables = application.create_form<Tpsytable>();
        main_window.Connect_Dialogs(about_box, settings);
        main_window.Connect_Tables(tables);
        application.run();
    } catch (const std::exception& error) {
        application.show_exception(error);
    }
    return 0;
}
