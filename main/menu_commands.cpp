#include "commands/menu_commands.h"
#include "dialogs/status.h"
#include "main/psy.h"
#include "state/entry_limits.h"
#include "tables/tables.h"
#include "ui/connected.h"

void TForm1::ExitExecute() { commands::Exit_Program(*this); }

void TForm1::Connect_Tables(Tpsytable& tables) {
    psytable = &tables;
    tables.Connect_Patm({.text = [this] { return config ? config->edit_patm->text() : std::string(); },
                         .acceptable = &Patm_Acceptable,
                         .applied = [this] { return State.Patm; }});
}

// The window keeps its inputs and its last table from one opening to the next; an opening
// changes only the active sheet and the pressure.
void TForm1::Open_Table(void (Tpsytable::*select)()) {
    Tpsytable& tables = ui::connected(psytable);
    (tables.*select)();
    tables.Get_Patm();
    tables.show_modal();
}

void TForm1::TwbfClick(ui::Menu_Item&) { Open_Table(&Tpsytable::Select_twb); }
void TForm1::WBDfClick(ui::Menu_Item&) { Open_Table(&Tpsytable::Select_wbd); }
void TForm1::RHfClick(ui::Menu_Item&) { Open_Table(&Tpsytable::Select_rh); }
void TForm1::VPDf1Click(ui::Menu_Item&) { Open_Table(&Tpsytable::Select_vpd1); }
void TForm1::VPDf2Click(ui::Menu_Item&) { Open_Table(&Tpsytable::Select_vpd2); }
void TForm1::Tdpf1Click(ui::Menu_Item&) { Open_Table(&Tpsytable::Select_tdp1); }
void TForm1::Tdpf2Click(ui::Menu_Item&) { Open_Table(&Tpsytable::Select_tdp2); }
void TForm1::THIf1Click(ui::Menu_Item&) { Open_Table(&Tpsytable::Select_thi1); }
void TForm1::THIf2Click(ui::Menu_Item&) { Open_Table(&Tpsytable::Select_thi2); }
void TForm1::AHDf1Click(ui::Menu_Item&) { Open_Table(&Tpsytable::Select_ahd1); }
void TForm1::AHDf2Click(ui::Menu_Item&) { Open_Table(&Tpsytable::Select_ahd2); }
