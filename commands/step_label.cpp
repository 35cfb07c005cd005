#include "commands/step_label.h"

#include "numtext/int_text.h"

namespace commands {

void Show_Step(const ui::Track_Bar& bar, ui::Label& label) { label.set_caption(numtext::int_to_text(bar.position())); }

}  // namespace commands
