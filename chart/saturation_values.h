#pragma once

#include <string>

namespace chart {

// Properties of saturated air at a temperature T in degree C and the pressure Patm in kPa, which
// label the enthalpy and specific-volume lines where they leave the saturation curve.
float Saturation_Enthalpy(float Patm, float T);
float Saturation_Volume(float Patm, float T);

// The label of such a line: the value at T in general format, cut to its first six characters.
std::string Saturation_Label(float (*saturation_value)(float Patm, float T), float Patm, float T);

}  // namespace chart
