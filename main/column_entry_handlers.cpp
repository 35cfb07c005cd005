#include "main/psy.h"

// The current-state columns of the Process, Pad and VPD sheets take their entries as the State
// sheet does; Enter_Property applies the column rule of Twb and Tdp to any column but the State one.

void TForm1::Edit_2tdb1Exit(ui::Control&) { Enter_Property(Row::Tdb, Col_two1); }
void TForm1::Edit_2rh1Exit(ui::Control&) { Enter_Property(Row::RH, Col_two1); }
void TForm1::Edit_2twb1Exit(ui::Control&) { Enter_Property(Row::Twb, Col_two1); }
void TForm1::Edit_2tdp1Exit(ui::Control&) { Enter_Property(Row::Tdp, Col_two1); }
void TForm1::Edit_2ah1Exit(ui::Control&) { Enter_Property(Row::AH, Col_two1); }
void TForm1::Edit_2h1Exit(ui::Control&) { Enter_Property(Row::H, Col_two1); }
void TForm1::Edit_2sv1Exit(ui::Control&) { Enter_Property(Row::SV, Col_two1); }
void TForm1::Edit_2dos1Exit(ui::Control&) { Enter_Property(Row::DOS, Col_two1); }
void TForm1::Edit_2pw1Exit(ui::Control&) { Enter_Property(Row::Pw, Col_two1); }

void TForm1::Edit_2tdb2Exit(ui::Control&) { Enter_Property(Row::Tdb, Col_two2); }
void TForm1::Edit_2rh2Exit(ui::Control&) { Enter_Property(Row::RH, Col_two2); }
void TForm1::Edit_2twb2Exit(ui::Control&) { Enter_Property(Row::Twb, Col_two2); }
void TForm1::Edit_2tdp2Exit(ui::Control&) { Enter_Property(Row::Tdp, Col_two2); }
void TForm1::Edit_2ah2Exit(ui::Control&) { Enter_Property(Row::AH, Col_two2); }
void TForm1::Edit_2h2Exit(ui::Control&) { Enter_Property(Row::H, Col_two2); }
void TForm1::Edit_2sv2Exit(ui::Control&) { Enter_Property(Row::SV, Col_two2); }
void TForm1::Edit_2dos2Exit(ui::Control&) { Enter_Property(Row::DOS, Col_two2); }
void TForm1::Edit_2pw2Exit(ui::Control&) { Enter_Property(Row::Pw, Col_two2); }

void TForm1::Edit_ptdb1Exit(ui::Control&) { Enter_Property(Row::Tdb, Col_pad_outdoor); }
void TForm1::Edit_prh1Exit(ui::Control&) { Enter_Property(Row::RH, Col_pad_outdoor); }
void TForm1::Edit_ptwb1Exit(ui::Control&) { Enter_Property(Row::Twb, Col_pad_outdoor); }
void TForm1::Edit_ptdp1Exit(ui::Control&) { Enter_Property(Row::Tdp, Col_pad_outdoor); }
void TForm1::Edit_pah1Exit(ui::Control&) { Enter_Property(Row::AH, Col_pad_outdoor); }
void TForm1::Edit_ph1Exit(ui::Control&) { Enter_Property(Row::H, Col_pad_outdoor); }
void TForm1::Edit_psv1Exit(ui::Control&) { Enter_Property(Row::SV, Col_pad_outdoor); }
void TForm1::Edit_pdos1Exit(ui::Control&) { Enter_Property(Row::DOS, Col_pad_outdoor); }
void TForm1::Edit_ppw1Exit(ui::Control&) { Enter_Property(Row::Pw, Col_pad_outdoor); }

void TForm1::Edit_vtdb1Exit(ui::Control&) { Enter_Property(Row::Tdb, Col_vpd_air); }
void TForm1::Edit_vrh1Exit(ui::Control&) { Enter_Property(Row::RH, Col_vpd_air); }
void TForm1::Edit_vtwb1Exit(ui::Control&) { Enter_Property(Row::Twb, Col_vpd_air); }
void TForm1::Edit_vtdp1Exit(ui::Control&) { Enter_Property(Row::Tdp, Col_vpd_air); }
void TForm1::Edit_vah1Exit(ui::Control&) { Enter_Property(Row::AH, Col_vpd_air); }
void TForm1::Edit_vh1Exit(ui::Control&) { Enter_Property(Row::H, Col_vpd_air); }
void TForm1::Edit_vsv1Exit(ui::Control&) { Enter_Property(Row::SV, Col_vpd_air); }
void TForm1::Edit_vdos1Exit(ui::Control&) { Enter_Property(Row::DOS, Col_vpd_air); }
void TForm1::Edit_vpw1Exit(ui::Control&) { Enter_Property(Row::Pw, Col_vpd_air); }
