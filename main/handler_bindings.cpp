#include "main/psy.h"
#include "ui/buttons.h"
#include "ui/calling.h"
#include "ui/containers.h"
#include "ui/static_controls.h"

namespace hygrodex {

// Binds the handlers that exist to their controls' events; the one-line ones are rows of their
// topics' tables.
void TForm1::Bind_Handlers() {
    ZoomOut->OnClick = ui::calling(this, &TForm1::ZoomOutClick);
    ZoomIn->OnClick = ui::calling(this, &TForm1::ZoomInClick);
    Btn_default->OnClick = ui::calling(this, &TForm1::Btn_defaultClick);
    for (ui::Check_Box* line_switch : {Check_T, Check_RH, Check_AH, Check_H, Check_SV, Check_Pw})
        line_switch->OnClick = [this](ui::Control&) { DrawPsyExecute(); };
    DrawPsy->OnExecute = [this](ui::Action&) { DrawPsyExecute(); };
    Check_unit->OnClick = ui::calling(this, &TForm1::Check_unitClick);
    MoveBar->OnChange = ui::calling(this, &TForm1::MoveBarChange);
    PageControl1->OnChange = ui::calling(this, &TForm1::PageControl1Change);
    Exit->OnExecute = [this](ui::Action&) { ExitExecute(); };
    N3->OnClick = ui::calling(this, &TForm1::N3Click);
    M_about->OnClick = ui::calling(this, &TForm1::M_aboutClick);
    Bind_Table_Menu();
    Bind_Entries();
    Col_pad_after[Row::Tdb].OnExit = ui::calling(this, &TForm1::Edit_ptdb2Exit);
    Edit_peff->OnExit = ui::calling(this, &TForm1::Edit_peffExit);
    Col_vpd_leaf[Row::Tdb].OnExit = ui::calling(this, &TForm1::Edit_vtdb2Exit);
    SBtn_two1->OnClick = ui::calling(this, &TForm1::SBtn_two1Click);
    SBtn_two2->OnClick = ui::calling(this, &TForm1::SBtn_two2Click);
    Btn_2cal->OnClick = ui::calling(this, &TForm1::Btn_2calClick);
    Btn_efficiency->OnClick = ui::calling(this, &TForm1::Btn_efficiencyClick);
    Btn_vpd->OnClick = ui::calling(this, &TForm1::Btn_vpdClick);

    // Every sheet's key filter is the window's one filter (the Process Diff. column has none).
    const auto filter = [this](ui::Control&, char& key) { Filter_Key(key); };
    for (const State_Column* column :
         {&Col_state, &Col_two1, &Col_two2, &Col_pad_outdoor, &Col_pad_after, &Col_vpd_air, &Col_vpd_leaf})
        for (ui::Edit* edit : column->edits) edit->OnKeyPress = filter;
    Edit_peff->OnKeyPress = filter;

    Bind_Hints();
    Chart_Image->OnMouseMove = ui::calling(this, &TForm1::Chart_ImageMouseMove);
    Chart_Image->OnMouseDown = ui::calling(this, &TForm1::Chart_ImageMouseDown);
    Bind_Crosshair();
}

}  // namespace hygrodex
