#include "earlier/psy.h"
#include "commands/start_state.h"

namespace moistrel {

TForm1::TForm1(ui::Application& application) : ui::Form(application, "Form1") {
    Create_Layout();
    Bind_Handlers();
    commands::Start_State(State, Chart);
    Calc_Pressure_Tables(State.Patm, Chart, AH_Tables);
    Show_State();
}

}  // namespace moistrel
