#pragma once

#include "chart/chart_fields.h"
#include "chart/chart_painter.h"
#include "state/air_state.h"

// The markers of a drawing mode over the finished chart: sets the marker pen (width 2), font and
// brush, stores a mode of 0..3 in Chart_Mode before any sheet text is read, and draws that mode's
// points, labels and lines. Leaves the pen at width 2.
void Draw_Markers(const Chart_Controls& controls, Chart_Fields& chart, const Air_State& state, int mode);
