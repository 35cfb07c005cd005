#include "earlier/psy.h"

#include "chart/chart_tables.h"

namespace moistrel {

TForm1::TForm1(ui::Application& application) : ui::Form(application, "Form1") {
    Create_Layout();
    Bind_Handlers();
    State = State_From_Tdb_RH(101.325f, 20, 50);
    Chart.Half_Span = 10;
    Calc_Pressure_Tables(State.Patm, Chart, AH_Tables);
    Show_State();
}

void TForm1::Calc_Pressure_Tables(float Patm, Chart_Fields& chart, AH_Lines& ah_lines) {
    Calc_RHCurves(chart, Patm);
    Calc_TLines(chart);
    Calc_AHLines(ah_lines, chart);
}

}  // namespace moistrel
