#include "chart/pixel_to_point.h"

#include "state/air_state.h"
#include "engine/float_env.h"
#include "engine/property.h"

using engine::divide;
using engine::to_single;

Chart_Point Map_Pixel(const Chart_Fields& chart, float Patm, int X, int Y) {
    Chart_Point point;
    point.Tdb = to_single(divide(X, chart.X_Scale) + chart.Tmin_Index - Temperature_Index_Offset);
    if (X > Plot_Right) point.Tdb = static_cast<float>(chart.Tmax_Index - Temperature_Index_Offset);
    // A drag can report positions far left of the plot.
    if (point.Tdb < Lowest_Temperature) point.Tdb = Lowest_Temperature;
    point.Pws = Calc_Property(Kind_Pws, point.Tdb);
    if (Y >= Plot_Bottom) {
        point.RH = Driest_RH;
        point.Pw = Driest_Pw;
        return point;
    }
    // In extended precision: Y may be any int.
    const float W = to_single(divide(static_cast<long double>(Plot_Bottom) - Y, chart.Y_Scale));
    point.Pw = Calc_Property(Kind_Pw_AH, Patm, W);
    point.RH = RH_From_Pw(point.Pw, point.Pws);
    if (point.RH > 100) point.RH = 100;
    return point;
}
