#include "commands/menu_commands.h"
#include "dialogs/status.h"
#include "main/handler_table.h"
#include "main/psy.h"
#include "state/entry_limits.h"
#include "tables/tables.h"
#include "ui/connected.h"

using state::Patm_Acceptable;
using tables::Tpsytable;

namespace hygrodex {

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

void TForm1::Bind_Table_Menu() {
    const auto open = [this](void (Tpsytable::*select)()) { return [this, select] { Open_Table(select); }; };
    const Handler handlers[] = {
        {"TwbfClick", open(&Tpsytable::Select_twb)},   {"WBDfClick", open(&Tpsytable::Select_wbd)},
        {"RHfClick", open(&Tpsytable::Select_rh)},     {"VPDf1Click", open(&Tpsytable::Select_vpd1)},
        {"VPDf2Click", open(&Tpsytable::Select_vpd2)}, {"Tdpf1Click", open(&Tpsytable::Select_tdp1)},
        {"Tdpf2Click", open(&Tpsytable::Select_tdp2)}, {"THIf1Click", open(&Tpsytable::Select_thi1)},
        {"THIf2Click", open(&Tpsytable::Select_thi2)}, {"AHDf1Click", open(&Tpsytable::Select_ahd1)},
        {"AHDf2Click", open(&Tpsytable::Select_ahd2)},
    };
    Bind_Named_Handlers(*this, handlers);
}

}  // namespace hygrodex
