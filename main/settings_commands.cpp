#include "chart/chart_tables.h"
#include "commands/menu_commands.h"
#include "dialogs/about.h"
#include "dialogs/status.h"
#include "main/psy.h"
#include "ui/connected.h"

using chart::Calc_AHLines;
using chart::Calc_RHCurves;
using chart::Calc_TLines;
using chart::Chart_Fields;
using dialogs::TAboutBox;
using dialogs::Tconfig;

namespace hygrodex {

namespace {

// The chart tables that depend on the pressure.
void calc_pressure_tables(float Patm, Chart_Fields& chart) {
    Calc_RHCurves(chart, Patm);
    Calc_TLines(chart);
    Calc_AHLines(chart);
}

}  // namespace

void TForm1::Connect_Dialogs(TAboutBox& about_box, Tconfig& settings) {
    commands::Connect_Dialogs(AboutBox, config, about_box, settings, [this] { Set_Patm(); });
}

void TForm1::M_aboutClick(ui::Menu_Item&) { commands::Show_About(AboutBox); }

// The dialog shows the current pressure every time; OK acts through Set_Patm, Cancel not at all.
void TForm1::N3Click(ui::Menu_Item&) {
    Tconfig& settings = ui::connected(config);
    settings.Fill_From_Patm(State.Patm);
    settings.show_modal();
}

void TForm1::Set_Patm() {
    commands::Set_Patm(State, config, calc_pressure_tables, Chart);
    Show_State();
}

}  // namespace hygrodex
