#include "earlier/psy.h"

#include "chart/chart_tables.h"

namespace moistrel {

TForm1::TForm1(ui::Application& application) : ui::Form(application, "Form1") {
    Create_Layout();
    Bind_Handlers();
    State = State_From_Tdb_RH(101.325f, 20, 50);
    Chart.Half_Span = 10;
    Calc_RHCurves(Chart, State.Patm);
    Calc_TLines(Chart);
    Calc_AHLines(Chart);
    Show_State();
}

void TForm1::Calc_AHLines(Chart_Fields&) {}

void TForm1::Draw_Chart() {}

}  // namespace moistrel
