#include "chart/chart_tables.h"
#include "dialogs/about.h"
#include "dialogs/status.h"
#include "main/psy.h"
#include "numtext/text_to_number.h"
#include "ui/connected.h"

void TForm1::Connect_Dialogs(TAboutBox& about_box, Tconfig& settings) {
    AboutBox = &about_box;
    config = &settings;
    settings.Patm_Accepted = [this] { Set_Patm(); };
}

void TForm1::M_aboutClick(ui::Menu_Item&) { ui::connected(AboutBox).show_modal(); }

// The dialog shows the current pressure every time; OK acts through Set_Patm, Cancel not at all.
void TForm1::N3Click(ui::Menu_Item&) {
    Tconfig& settings = ui::connected(config);
    settings.Fill_From_Patm(State.Patm);
    settings.show_modal();
}

// No saturation shortcut: at RH 100 the dew point and wet bulb are what their fits give. The
// pressure, the state and the tables are computed aside and taken together, or not at all.
void TForm1::Set_Patm() {
    Air_State state = State;
    state.Patm = numtext::text_to_single(ui::connected(config).edit_patm->text());
    Derive_From_Tdb_RH(state);
    Chart_Fields chart = Chart;
    Calc_RHCurves(chart, state.Patm);
    Calc_TLines(chart);
    Calc_AHLines(chart);
    State = state;
    Chart = chart;
    Show_State();
}
