#include "commands/menu_commands.h"
#include "earlier/psy.h"
#include "earlier/status.h"
#include "ui/edit.h"

namespace moistrel {

void TForm1::Connect_Dialogs(TAboutBox& about_box, Tconfig& settings) {
    commands::Connect_Dialogs(AboutBox, config, about_box, settings, [this] { Set_Patm(); });
}

void TForm1::Set_Patm() {
    commands::Set_Patm(State, config, Calc_Pressure_Tables, Chart, AH_Tables);
    Show_State();
}

}  // namespace moistrel
