#include "chart/crosshair_steps.h"

#include <stdexcept>

#include "engine/float_env.h"
#include "engine/property.h"
#include "numtext/int_text.h"
#include "state/air_state.h"
#include "state/state_steps.h"

using state::AH_From_H;
using state::Air_State;
using state::Enthalpy_Rule;
using state::RH_From_Pw;

namespace chart {

namespace {

using engine::divide;
using engine::to_single;
using numtext::truncate_to_int;

// The enthalpy formula's constants at the precisions the entries of H use too.
long double sign_of(Step_Direction direction) { return static_cast<int>(direction); }

float at_most_saturated(float RH) { return RH > 100 ? 100 : RH; }

Chart_Point driest_at(float Tdb, float Pws) { return {Tdb, Driest_RH, Pws, Driest_Pw}; }

// The new temperature of a sideways move with the saturation pressure there; the line decides the
// rest.
Chart_Point moved_sideways(const Chart_Fields& chart, const Air_State& state, Step_Direction direction, int step) {
    const long double shift = sign_of(direction) * step;
    const long double xs =
        (static_cast<long double>(state.Tdb) + Temperature_Index_Offset - chart.Tmin_Index) * chart.X_Scale;
    Chart_Point point;
    point.Tdb = to_single(state.Tdb + sign_of(direction) * divide(step, chart.X_Scale));
    if (truncate_to_int(xs + shift) > Plot_Right)
        point.Tdb = static_cast<float>(chart.Tmax_Index - Temperature_Index_Offset);
    if (point.Tdb < Lowest_Temperature) point.Tdb = Lowest_Temperature;
    point.Pws = Calc_Property(Kind_Pws, point.Tdb);
    return point;
}

Chart_Point along_temperature_line(const Chart_Fields& chart, const Air_State& state, Step_Direction direction,
                                   int step) {
    const long double shift = sign_of(direction) * step;
    const long double ys = Plot_Bottom - static_cast<long double>(state.AH) * chart.Y_Scale;
    const float W = to_single(state.AH + divide(shift, chart.Y_Scale));
    // A humidity ratio of 0 or below would give no vapour pressure to take a dew point of.
    if (truncate_to_int(ys - shift) >= Plot_Bottom || W <= 0) return driest_at(state.Tdb, state.Pws);
    const float Pw = Calc_Property(Kind_Pw_AH, state.Patm, W);
    return {state.Tdb, at_most_saturated(RH_From_Pw(Pw, state.Pws)), state.Pws, Pw};
}

Chart_Point along_humidity_ratio_line(Chart_Point point, const Air_State& state) {
    point.Pw = Calc_Property(Kind_Pw_AH, state.Patm, state.AH);
    point.RH = at_most_saturated(RH_From_Pw(point.Pw, point.Pws));
    return point;
}

Chart_Point along_relative_humidity_curve(Chart_Point point, const Air_State& state) {
    point.RH = state.RH;
    point.Pw = to_single(static_cast<long double>(state.RH) * point.Pws * 0.01L);
    return point;
}

Crosshair_Target along_enthalpy_line(Chart_Point point, const Chart_Fields& chart, const Air_State& state,
                                     Step_Direction direction) {
    float W = AH_From_H(point.Tdb, state.H);
    if (direction == Step_Direction::Increasing) {
        // Never more humid than saturated air at the temperature it leaves.
        const float W_limit = Calc_Property(Kind_AH, state.Patm, state.Pws);
        if (W > W_limit) W = W_limit;
        // Past the bottom axis a vapour pressure would be zero or negative.
        if (W <= 0) return {driest_at(point.Tdb, point.Pws), Enthalpy_Rule::Derive};
        point.Pw = Calc_Property(Kind_Pw_AH, state.Patm, W);
        point.RH = at_most_saturated(RH_From_Pw(point.Pw, point.Pws));
        return {point, Enthalpy_Rule::Keep};
    }
    point.Pw = Calc_Property(Kind_Pw_AH, state.Patm, W);
    point.RH = RH_From_Pw(point.Pw, point.Pws);
    if (W > chart.H_Start_Y[State_Line]) {
        point.Tdb = state.Twb;
        point.Pws = Calc_Property(Kind_Pws, point.Tdb);
        point.RH = 100;
    }
    return {point, Enthalpy_Rule::Keep};
}

}  // namespace

Crosshair_Target Step_Target(const Chart_Fields& chart, const Air_State& state, Crosshair_Move move, int step) {
    switch (move.line) {
    case Step_Line::Temperature:
        return {along_temperature_line(chart, state, move.direction, step), Enthalpy_Rule::Derive};
    case Step_Line::Humidity_Ratio:
        return {along_humidity_ratio_line(moved_sideways(chart, state, move.direction, step), state),
                Enthalpy_Rule::Derive};
    case Step_Line::Relative_Humidity:
        return {along_relative_humidity_curve(moved_sideways(chart, state, move.direction, step), state),
                Enthalpy_Rule::Derive};
    case Step_Line::Enthalpy:
        return along_enthalpy_line(moved_sideways(chart, state, move.direction, step), chart, state, move.direction);
    }
    throw std::invalid_argument("unknown step line");
}

}  // namespace chart
