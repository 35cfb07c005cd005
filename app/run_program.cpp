#include "app/run_program.h"

#include <exception>

#include "app/math_error_boxes.h"
#include "ui/qt/application_start.h"
#include "ui/qt/environment.h"
#include "ui/qt/qt_front_end.h"

namespace app {

int run_program(int argc, char** argv, const std::string& name,
                const std::function<void(ui::Application&)>& create_windows, const std::function<void()>& once_open) {
    ui::qt::prepare_environment(false);
    const auto qt_application = ui::qt::open_application(argc, argv, name);
    if (once_open) once_open();

    ui::Application application(name);
    ui::qt::Qt_Front_End front_end(application);
    const Math_Error_Boxes math_error_boxes(application);
    try {
        create_windows(application);
        application.run();
    } catch (const std::exception& error) {
        application.show_exception(error);
    }
    return 0;
}

}  // namespace app
