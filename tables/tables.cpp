#include "tables/tables.h"

#include "numtext/mask_format.h"
#include "numtext/text_to_number.h"

namespace tables {

Tpsytable::Tpsytable(ui::Application& application) : ui::Form(application, "psytable") {
    Create_Layout();
    Bind_Handlers();
}

void Tpsytable::Select(Table_Kind kind) { psytable->set_active_page(Sheets[static_cast<std::size_t>(kind)].sheet); }

void Tpsytable::Select_twb() { Select(Table_twb); }
void Tpsytable::Select_wbd() { Select(Table_wbd); }
void Tpsytable::Select_rh() { Select(Table_rh); }
void Tpsytable::Select_vpd1() { Select(Table_vpd1); }
void Tpsytable::Select_vpd2() { Select(Table_vpd2); }
void Tpsytable::Select_tdp1() { Select(Table_tdp1); }
void Tpsytable::Select_tdp2() { Select(Table_tdp2); }
void Tpsytable::Select_thi1() { Select(Table_thi1); }
void Tpsytable::Select_thi2() { Select(Table_thi2); }
void Tpsytable::Select_ahd1() { Select(Table_ahd1); }
void Tpsytable::Select_ahd2() { Select(Table_ahd2); }

// A kPa text that is no number, or a pressure the settings dialog would refuse, is not the
// user's pressure: the tables then take the one the main window computes with, unasked.
void Tpsytable::Get_Patm() {
    const std::optional<float> typed = Typed_Patm();
    Table_Patm = typed ? *typed : Patm_Sources.applied();
    label_patm->set_caption("Patm : " + numtext::format_mask(Table_Patm, "###0.###") + " kPa");
}

std::optional<float> Tpsytable::Typed_Patm() const {
    const std::optional<float> patm = numtext::Optional_Number(Patm_Sources.text());
    if (!patm || !Patm_Sources.acceptable(*patm)) return std::nullopt;
    return patm;
}

void Tpsytable::Write_Messages(std::string_view line1, std::string_view line2, std::string_view line3) {
    Message1->set_caption(std::string(line1));
    Message2->set_caption(std::string(line2));
    Message3->set_caption(std::string(line3));
}

}  // namespace tables
