#include "main/psy.h"

#include "chart/chart_tables.h"

TForm1::TForm1(ui::Application& application) : ui::Form(application, "Form1") {
    Create_Layout();
    Bind_Handlers();
    State = State_From_Tdb_RH(101.325f, 20, 50);
    Chart.Half_Span = 10;
    Calc_RHCurves(Chart, State.Patm);
    Calc_TLines(Chart);
    Show_State();
    // The first drawing is centred on Tdb; afterwards the user decides.
    Check_auto->set_checked(false);
}
