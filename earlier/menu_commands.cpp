#include "commands/menu_commands.h"
#include "earlier/psy.h"
#include "earlier/status.h"
#include "ui/edit.h"

namespace moistrel {

void TForm1::Connect_Dialogs(TAboutBox& about_box, Tconfig& settings) {
    commands::Connect_Dialogs(*this, about_box, settings);
}

void TForm1::Set_Patm() { commands::Set_Patm(*this, Calc_Pressure_Tables, Chart, AH_Tables); }

}  // namespace moistrel
