#include "main/psy.h"

#include "chart/chart_tables.h"
#include "commands/start_state.h"
#include "ui/buttons.h"

using chart::Calc_RHCurves;
using chart::Calc_TLines;

namespace hygrodex {

TForm1::TForm1(ui::Application& application) : ui::Form(application, "Form1") {
    Create_Layout();
    Bind_Handlers();
    commands::Start_State(State, Chart);
    Calc_RHCurves(Chart, State.Patm);
    Calc_TLines(Chart);
    Show_State();
    // The first drawing is centred on Tdb; afterwards the user decides.
    Check_auto->set_checked(false);
}

}  // namespace hygrodex
