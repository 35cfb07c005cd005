#include "chart/chart_strokes.h"

#include "numtext/int_text.h"

namespace chart {

Pixel Trace_Curve(ui::Canvas& canvas, const Chart_Fields& chart, std::span<const float, Index_Count> curve) {
    canvas.move_to(0, y_of_humidity(chart, curve[chart.Tmin_Index]));
    Pixel end{0, 0};
    for (int i = chart.Tmin_Index; i <= chart.Tmax_Index; ++i) {
        end = {x_of_index(chart, static_cast<float>(i)), y_of_humidity(chart, curve[i])};
        canvas.line_to(end.x, end.y);
    }
    return end;
}

void Draw_T_Line(ui::Canvas& canvas, const Chart_Fields& chart, int i) {
    // The products and differences of the 32-bit table values are formed in extended precision.
    const int x = pixel_of((static_cast<long double>(chart.Sat_X[i]) - chart.Sat_X[chart.Tmin_Index]) * chart.X_Scale);
    canvas.move_to(x, Plot_Bottom);
    canvas.line_to(x, y_of_humidity(chart, chart.Sat_Y[i]));
    canvas.text_out(x - 7, 483, numtext::int_to_text(i - Temperature_Index_Offset));
}

int Draw_Level_Line(ui::Canvas& canvas, const Chart_Fields& chart, float start_x, float level) {
    const int y = y_of_humidity(chart, level);
    const bool crosses_inside = static_cast<long double>(start_x) - chart.Tmin_Index > 0;
    canvas.move_to(crosses_inside ? x_of_index(chart, start_x) : 0, y);
    canvas.line_to(Plot_Right, y);
    return y;
}

void Trace_Frame(ui::Canvas& canvas, const Chart_Fields& chart) {
    Trace_Curve(canvas, chart, chart.W_Grid[Saturation_Row]);
    canvas.line_to(Plot_Right, Plot_Bottom);
    canvas.line_to(0, Plot_Bottom);
}

}  // namespace chart
