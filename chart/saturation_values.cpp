#include "chart/saturation_values.h"

#include "engine/property.h"
#include "numtext/general_format.h"
#include "state/entry_limits.h"

using state::Saturation_AH;

namespace chart {

float Saturation_Enthalpy(float Patm, float T) { return Calc_Property(Kind_H, T, Saturation_AH(Patm, T)); }

float Saturation_Volume(float Patm, float T) { return Calc_Property(Kind_SV, Patm, T, Saturation_AH(Patm, T)); }

std::string Saturation_Label(float (*saturation_value)(float Patm, float T), float Patm, float T) {
    return numtext::format_general(saturation_value(Patm, T)).substr(0, 6);
}

}  // namespace chart
