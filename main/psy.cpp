#include "main/psy.h"

TForm1::TForm1(ui::Application& application) : ui::Form(application, "Form1") {
    Create_Layout();
    State.Patm = 101.325f;
    State.Tdb = 20;
    State.RH = 50;
    Derive_From_Tdb_RH(State);
    Half_Span = 10;
    Show_State();
    // The first drawing is centred on Tdb; afterwards the user decides.
    Check_auto->set_checked(false);
}
