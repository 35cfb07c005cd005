#pragma once

#include "ui/containers.h"
#include "ui/static_controls.h"

namespace commands {

// The label beside the step bar shows the bar's position, the crosshair buttons' step in pixels.
void Show_Step(const ui::Track_Bar& bar, ui::Label& label);

}  // namespace commands
