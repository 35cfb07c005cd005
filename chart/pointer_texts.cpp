#include "chart/pointer_texts.h"

#include "engine/float_env.h"
#include "numtext/format_string.h"

using state::Air_State;

namespace chart {

std::string Crosshair_Text(float Tdb, float RH) {
    return numtext::format_string("Crosshair: Tdb:%2.2f ,RH:%3.2f", {Tdb, RH});
}

std::string Pointer_Readout(const Air_State& point) {
    const float DOS_percent = engine::to_single(static_cast<long double>(point.DOS) * 100);
    return numtext::format_string(
        "Current:Tdb:%2.2f,RH:%3.2f,Twb:%2.2f,Tdp:%2.2f,AH:%1.4f,H:%1.3f,SV:%1.4f,Hfg:%3.2f,DOS:%3.2f,Pw:%2.2f",
        {point.Tdb, point.RH, point.Twb, point.Tdp, point.AH, point.H, point.SV, point.Hfg, DOS_percent, point.Pw});
}

}  // namespace chart
