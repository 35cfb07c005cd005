#pragma once

#include <span>

#include "chart/chart_fields.h"
#include "chart/pixel_mapping.h"
#include "ui/canvas.h"

namespace chart {

// Lines that both editions' charts draw alike, with the pen and font as the caller set them.

// A row of W_Grid across the axis: from the left edge through the row's point at every index up
// to the right edge. Returns the last point.
Pixel Trace_Curve(ui::Canvas& canvas, const Chart_Fields& chart, std::span<const float, Index_Count> curve);

// The temperature line of index i, from the bottom axis up to saturation, with its degree C below
// the axis.
void Draw_T_Line(ui::Canvas& canvas, const Chart_Fields& chart, int i);

// A horizontal line at a humidity ratio from where it meets the saturation curve (start_x, an index),
// or from the left edge when that lies outside, to the right edge. Returns its y.
int Draw_Level_Line(ui::Canvas& canvas, const Chart_Fields& chart, float start_x, float level);

// The saturation curve, the right edge down from its end and the bottom axis; no left edge.
void Trace_Frame(ui::Canvas& canvas, const Chart_Fields& chart);

}  // namespace chart
