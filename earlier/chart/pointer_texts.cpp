#include "earlier/chart/pointer_texts.h"

#include "numtext/format_string.h"

using state::Air_State;

namespace moistrel {

std::string Point_Text(float Tdb, float RH) {
    return numtext::format_string("圖點：乾球溫度：%2.2f℃,相對溼度：%3.2f％", {Tdb, RH});
}

std::string Pointer_Readout(const Air_State& point) {
    return numtext::format_string("目前:Tdb:%2.2f,RH:%3.2f,Tdp:%2.2f,Twb:%2.2f,H:%1.2f,SV:%1.3f,AH:%1.3f",
                                  {point.Tdb, point.RH, point.Tdp, point.Twb, point.H, point.SV, point.AH});
}

}  // namespace moistrel
