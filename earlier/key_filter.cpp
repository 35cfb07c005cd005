#include "commands/key_filter.h"
#include "earlier/psy.h"

namespace moistrel {

namespace {
constexpr std::string_view Value_Request = "請輸入數值~~";
}  // namespace

void TForm1::EditKeyPress(ui::Control&, char& key) {
    commands::Filter_Entry_Key(key, *Message3, Value_Request, Walk, *this);
}

}  // namespace moistrel
