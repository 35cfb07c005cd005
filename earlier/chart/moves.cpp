#include "earlier/chart/moves.h"

#include "chart/pixel_to_point.h"
#include "engine/property.h"
#include "numtext/int_text.h"

using chart::Chart_Fields;
using chart::Chart_Point;
using chart::Column_Temperature;
using chart::Plot_Bottom;
using chart::Read_Row;
using chart::Set_Vapour_Pressure;
using chart::Temperature_Index_Offset;
using state::Air_State;

namespace moistrel {

namespace {

// The state's pixel comes back from a float round trip a hair short of the whole pixel it lies
// on about half the time; without this margin such a move would land one pixel short, and a move
// of one pixel would not move at all.
constexpr long double Pixel_Margin = 0.001L;

int Pixel_Reached(long double from, int signed_step) {
    return numtext::truncate_to_int(from + signed_step + Pixel_Margin);
}

}  // namespace

Chart_Point Move_Target(const Chart_Fields& chart, const Air_State& state, Move_Button button, int step) {
    Chart_Point point{state.Tdb, state.RH, state.Pws, state.Pw};
    switch (button) {
    case Move_Button::Up:
    case Move_Button::Down: {
        const long double ys = Plot_Bottom - static_cast<long double>(state.AH) * chart.Y_Scale;
        Read_Row(chart, state.Patm, Pixel_Reached(ys, button == Move_Button::Up ? -step : step), point);
        break;
    }
    case Move_Button::Left:
    case Move_Button::Right: {
        const long double xs =
            (static_cast<long double>(state.Tdb) + Temperature_Index_Offset - chart.Tmin_Index) * chart.X_Scale;
        point.Tdb = Column_Temperature(chart, Pixel_Reached(xs, button == Move_Button::Left ? -step : step));
        point.Pws = Calc_Property(Kind_Pws, point.Tdb);
        Set_Vapour_Pressure(point, Calc_Property(Kind_Pw_AH, state.Patm, state.AH));
        break;
    }
    }
    return point;
}

}  // namespace moistrel
