#include "dialogs/pressure_conversions.h"

#include <cmath>

#include "engine/float_env.h"

namespace dialogs {

namespace {

using engine::to_single;

constexpr double kPa_To_psi = 0.14503;
constexpr long double psi_To_kPa = 6.895125146521409732L;
constexpr double ft_To_m = 0.3048;
constexpr long double m_To_ft = 3.2808398950131231941L;

// One term of a fit: a double mantissa, a power of ten formed when the term is evaluated, and
// the power of the argument it multiplies.
struct Fit_Term {
    double mantissa;
    int ten_exponent;
    int power;
};

constexpr Fit_Term Patm_Fit[] = {
    {1.73654251231826, -16, 4},  {-1.41297766513459, -11, 3}, {5.76848512116989, -7, 2},
    {-0.0120137274583766, 0, 1}, {101.325123747593, 0, 0},
};

constexpr Fit_Term Elevation_Fit[] = {
    {-3.4086195896399, -7, 5}, {0.000173935168749392, 0, 4}, {-0.0376979622005547, 0, 3},
    {4.62279486336694, 0, 2},  {-403.049668992999, 0, 1},    {17900.9821844492, 0, 0},
};

// The terms summed in the order written, in extended precision.
template <std::size_t N>
float evaluate(const Fit_Term (&fit)[N], float x) {
    long double sum = 0;
    for (const Fit_Term& term : fit) {
        const long double scale = std::pow(10.0L, static_cast<long double>(term.ten_exponent));
        sum += term.mantissa * scale * std::pow(static_cast<long double>(x), static_cast<long double>(term.power));
    }
    return to_single(sum);
}

float to_psi(float P) { return to_single(static_cast<double>(P) * kPa_To_psi); }
float to_ft(float h) { return to_single(static_cast<long double>(h) * m_To_ft); }

}  // namespace

float Calc_Patm(float h) { return evaluate(Patm_Fit, h); }

float Calc_Elevation(float P) { return evaluate(Elevation_Fit, P); }

Pressure_Set From_kPa(float P) {
    Pressure_Set set{.kPa = P};
    set.psi = to_psi(P);
    set.m = Calc_Elevation(P);
    set.ft = to_ft(set.m);
    return set;
}

Pressure_Set From_psi(float psi) {
    Pressure_Set set{.psi = psi};
    set.kPa = to_single(static_cast<long double>(psi) * psi_To_kPa);
    set.m = Calc_Elevation(set.kPa);
    set.ft = to_ft(set.m);
    return set;
}

Pressure_Set From_m(float h) {
    Pressure_Set set{.m = h};
    set.kPa = Calc_Patm(h);
    set.ft = to_ft(h);
    set.psi = to_psi(set.kPa);
    return set;
}

Pressure_Set From_ft(float ft) {
    Pressure_Set set{.ft = ft};
    set.m = to_single(static_cast<double>(ft) * ft_To_m);
    set.kPa = Calc_Patm(set.m);
    set.psi = to_psi(set.kPa);
    return set;
}

}  // namespace dialogs
