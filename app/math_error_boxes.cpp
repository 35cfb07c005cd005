#include "app/math_error_boxes.h"

#include <string>

namespace app {

Math_Error_Boxes::Math_Error_Boxes(ui::Application& application)
    : redirect_([&application](const std::string& function, const std::string& kind) {
          application.math_error_report(function, kind);
      }) {}

}  // namespace app
