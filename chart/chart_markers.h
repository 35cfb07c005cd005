#pragma once

#include "chart/chart_fields.h"
#include "chart/chart_inputs.h"
#include "state/air_state.h"
#include "ui/canvas.h"

namespace chart {

// The markers of a drawing mode over the finished chart: sets the marker pen (width 2), font and
// brush, stores a mode of 0..3 in Chart_Mode before any sheet text is read, and draws that mode's
// points, labels and lines. Leaves the pen at width 2.
void Draw_Markers(ui::Canvas& canvas, const Chart_Inputs& inputs, Chart_Fields& chart, const state::Air_State& state,
                  int mode);

// The current state's marks with the pen, brush and font as the caller set them: the state with its
// line up from the bottom axis to saturation, its dew point with a line to the right edge, its
// wet-bulb point with its enthalpy line, and its specific-volume line.
void Mark_State(ui::Canvas& canvas, const Chart_Fields& chart, const state::Air_State& state);

}  // namespace chart
