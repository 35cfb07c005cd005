#include "chart/pixel_to_point.h"

#include "engine/float_env.h"
#include "engine/property.h"
#include "state/air_state.h"
#include "state/state_steps.h"

using engine::divide;
using engine::to_single;
using state::RH_From_Pw;

namespace chart {

Chart_Point Map_Pixel(const Chart_Fields& chart, float Patm, int X, int Y) {
    Chart_Point point;
    point.Tdb = Column_Temperature(chart, X);
    point.Pws = Calc_Property(Kind_Pws, point.Tdb);
    Read_Row(chart, Patm, Y, point);
    return point;
}

float Column_Temperature(const Chart_Fields& chart, int X) {
    float T = to_single(divide(X, chart.X_Scale) + chart.Tmin_Index - Temperature_Index_Offset);
    if (X > Plot_Right) T = static_cast<float>(chart.Tmax_Index - Temperature_Index_Offset);
    // A drag can report positions far left of the plot.
    if (T < Lowest_Temperature) T = Lowest_Temperature;
    return T;
}

void Read_Row(const Chart_Fields& chart, float Patm, int Y, Chart_Point& point) {
    if (Y >= Plot_Bottom) {
        point.RH = Driest_RH;
        point.Pw = Driest_Pw;
        return;
    }
    // In extended precision: Y may be any int.
    const float W = to_single(divide(static_cast<long double>(Plot_Bottom) - Y, chart.Y_Scale));
    Set_Vapour_Pressure(point, Calc_Property(Kind_Pw_AH, Patm, W));
}

void Set_Vapour_Pressure(Chart_Point& point, float Pw) {
    point.Pw = Pw;
    point.RH = RH_From_Pw(point.Pw, point.Pws);
    if (point.RH > 100) point.RH = 100;
}

}  // namespace chart
