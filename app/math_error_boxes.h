#pragma once

#include "engine/float_env.h"
#include "ui/application.h"

namespace app {

// For its life, shows each report of a failed math function in the application's box ("log: SING
// error"), so the user learns of it while the computation goes on; afterwards the reports go where
// they went before. The programs keep one beside their application; tests of windows do the same.
class Math_Error_Boxes {
public:
    explicit Math_Error_Boxes(ui::Application& application);

private:
    engine::Math_Error_Redirect redirect_;
};

}  // namespace app
