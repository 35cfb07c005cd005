#include "main/psy.h"

// Binds the handlers that exist to their controls' events.
void TForm1::Bind_Handlers() {
    ZoomOut->OnClick = [this](ui::Control& sender) { ZoomOutClick(sender); };
    ZoomIn->OnClick = [this](ui::Control& sender) { ZoomInClick(sender); };
    Btn_default->OnClick = [this](ui::Control& sender) { Btn_defaultClick(sender); };
    for (ui::Check_Box* line_switch : {Check_T, Check_RH, Check_AH, Check_H, Check_SV, Check_Pw})
        line_switch->OnClick = [this](ui::Control&) { DrawPsyExecute(); };
    DrawPsy->OnExecute = [this](ui::Action&) { DrawPsyExecute(); };
    Check_unit->OnClick = [this](ui::Control& sender) { Check_unitClick(sender); };
    MoveBar->OnChange = [this](ui::Control& sender) { MoveBarChange(sender); };
}
