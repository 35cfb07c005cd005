#include "main/message_lines.h"

#include <string>

#include "main/psy.h"

void Write_Message_Lines(TForm1& form, const Message_Lines& lines) {
    form.Message1->set_caption(std::string(lines.first));
    form.Message2->set_caption(std::string(lines.second));
    form.Message3->set_caption(std::string(lines.third));
}
