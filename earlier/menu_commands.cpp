#include "commands/menu_commands.h"
#include "earlier/about.h"
#include "earlier/psy.h"
#include "earlier/status.h"
#include "ui/connected.h"

namespace moistrel {

void TForm1::Connect_Dialogs(TAboutBox& about_box, Tconfig& settings) {
    commands::Connect_Dialogs(*this, about_box, settings);
}

void TForm1::ExitExecute() { commands::Exit_Program(*this); }

void TForm1::M_aboutClick(ui::Menu_Item&) { commands::Show_About(*this); }

void TForm1::N3Click(ui::Menu_Item&) { ui::connected(config).show_modal(); }

void TForm1::Set_Patm() { commands::Set_Patm(*this, Calc_Pressure_Tables, Chart, AH_Tables); }

}  // namespace moistrel
