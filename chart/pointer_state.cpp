#include "chart/pointer_state.h"

#include "chart/derive_state.h"
#include "chart/pixel_to_point.h"

using state::Air_State;

namespace chart {

Air_State State_Under_Pointer(const Chart_Fields& chart, float Patm, int X, int Y) {
    Air_State point;
    point.Patm = Patm;
    Set_Point(point, Map_Pixel(chart, Patm, X, Y));
    return point;
}

}  // namespace chart
