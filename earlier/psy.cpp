#include "earlier/psy.h"

namespace moistrel {

TForm1::TForm1(ui::Application& application) : ui::Form(application, "Form1") {
    Create_Layout();
    Bind_Handlers();
    State = State_From_Tdb_RH(101.325f, 20, 50);
    Chart.Half_Span = 10;
    Calc_Pressure_Tables(State.Patm, Chart, AH_Tables);
    Show_State();
}

}  // namespace moistrel
