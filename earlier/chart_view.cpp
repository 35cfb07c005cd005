#include "commands/zoom_buttons.h"
#include "earlier/psy.h"
#include "ui/buttons.h"

namespace moistrel {

void TForm1::Draw_Chart() {
    const Line_Switches switches{Check_RH->checked(), Check_T->checked(), Check_AH->checked(), Check_H->checked(),
                                 Check_SV->checked()};
    commands::Apply_Outcome(Painter.Draw_Chart(switches, *Chart_Image, Chart, AH_Tables, State), *ZoomOut);
}

}  // namespace moistrel
