#include "earlier/about.h"
#include "earlier/psy.h"
#include "earlier/status.h"
#include "numtext/text_to_number.h"
#include "ui/connected.h"

namespace moistrel {

void TForm1::Connect_Dialogs(TAboutBox& about_box, Tconfig& settings) {
    AboutBox = &about_box;
    config = &settings;
    settings.Patm_Accepted = [this] { Set_Patm(); };
}

// The main window is the application's main form: closing it ends the program, unasked.
void TForm1::ExitExecute() { close(); }

void TForm1::M_aboutClick(ui::Menu_Item&) { ui::connected(AboutBox).show_modal(); }

void TForm1::N3Click(ui::Menu_Item&) { ui::connected(config).show_modal(); }

// The state and the tables are worked out aside and taken only when every step went through:
// an error half-way leaves the window as it was. At RH 100 the dew point and wet bulb are what
// their fits give.
void TForm1::Set_Patm() {
    Air_State state = State;
    state.Patm = numtext::text_to_single(ui::connected(config).edit_patm->text());
    Derive_From_Tdb_RH(state);
    Chart_Fields chart = Chart;
    AH_Lines ah_lines = AH_Tables;
    Calc_Pressure_Tables(state.Patm, chart, ah_lines);
    State = state;
    Chart = chart;
    AH_Tables = ah_lines;
    Show_State();
}

}  // namespace moistrel
