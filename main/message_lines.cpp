#include "main/message_lines.h"

#include <string>

#include "main/psy.h"
#include "ui/static_controls.h"

namespace hygrodex {

void TForm1::Write_Message_Lines(const Message_Lines& lines) {
    Message1->set_caption(std::string(lines.first));
    Message2->set_caption(std::string(lines.second));
    Message3->set_caption(std::string(lines.third));
}

}  // namespace hygrodex
