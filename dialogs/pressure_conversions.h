#pragma once

namespace dialogs {

// Atmospheric pressure in kPa and psi and the elevation in m and ft that has it. Each value is
// rounded to a 32-bit float when formed, before the next one is computed from it.
struct Pressure_Set {
    float kPa = 0;
    float psi = 0;
    float m = 0;
    float ft = 0;
};

// The fitted pressure at an elevation: h in m to P in kPa.
float Calc_Patm(float h);
// The fitted elevation of a pressure: P in kPa to h in m.
float Calc_Elevation(float P);

// The whole set from one of its members, each by the conversion chain the dialog's edit of that
// unit uses.
Pressure_Set From_kPa(float P);
Pressure_Set From_psi(float psi);
Pressure_Set From_m(float h);
Pressure_Set From_ft(float ft);

}  // namespace dialogs
