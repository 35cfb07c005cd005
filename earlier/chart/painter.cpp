#include "earlier/chart/painter.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/axis_range.h"
#include "chart/chart_colors.h"
#include "chart/chart_markers.h"
#include "chart/chart_strokes.h"
#include "chart/chart_tables.h"
#include "chart/drawing_finish.h"
#include "chart/pixel_mapping.h"
#include "chart/saturation_values.h"
#include "numtext/general_format.h"
#include "numtext/int_text.h"

using chart::Axis_Range;
using chart::Calc_HLines;
using chart::Calc_SVLines;
using chart::Chart_Fields;
using chart::Chart_Outcome;
using chart::Draw_Level_Line;
using chart::Draw_T_Line;
using chart::Drawing_Finish;
using chart::Line_Count;
using chart::Mark_State;
using chart::Paint_After_Axis;
using chart::Picture_Bytes;
using chart::Picture_Pixels;
using chart::Pixel;
using chart::pixel_of;
using chart::Plot_Bottom;
using chart::Saturation_Enthalpy;
using chart::Saturation_Label;
using chart::Saturation_Row;
using chart::Saturation_Volume;
using chart::Set_Axis;
using chart::Temperature_Index_Offset;
using chart::Trace_Curve;
using chart::Trace_Frame;
using chart::x_of_index;
using chart::y_of_humidity;
using state::Air_State;

namespace moistrel {

namespace {

using Line_Table = std::array<float, Line_Count>;
// Products and differences of the 32-bit table values are formed in extended precision.
using Wide = long double;

// Centred on Tdb, each edge truncated toward zero on its own: Tdb 5.5 gives -4..15.
Axis_Range Around(float Tdb, int Half_Span) {
    return {numtext::truncate_to_int(Wide{Tdb} - Half_Span), numtext::truncate_to_int(Wide{Tdb} + Half_Span)};
}

Picture_Pixels White(int width, int height) {
    return std::make_shared<std::vector<std::uint8_t>>(Picture_Bytes(width, height), 0xFF);
}

void Draw_RH_Curves(ui::Canvas& canvas, const Chart_Fields& chart) {
    for (int r = 1; r <= 10; ++r) {
        const Pixel end = Trace_Curve(canvas, chart, chart.W_Grid[r]);
        canvas.text_out(end.x - 18, end.y + 3, numtext::int_to_text(10 * r));
    }
}

void Draw_T_Lines(ui::Canvas& canvas, const Chart_Fields& chart) {
    for (int i = chart.Tmin_Index; i <= chart.Tmax_Index; ++i) Draw_T_Line(canvas, chart, i);
}

// Level 0 lies on the bottom axis and has no label; the others are labelled in kg/kg right of the plot.
void Draw_AH_Lines(ui::Canvas& canvas, const Chart_Fields& chart, const AH_Lines& lines) {
    const int count = AH_Level_Count(chart.W_Grid[Saturation_Row][chart.Tmax_Index]);
    for (int n = 0; n < count; ++n) {
        const int y = Draw_Level_Line(canvas, chart, lines.AH_Start_X[n], lines.AH_Level[n]);
        if (n > 0) canvas.text_out(553, y - 5, numtext::format_general(n * 0.01L));
    }
}

struct Line_Ends {
    Wide start_x;
    Wide start_y;
    Wide end_x;
    Wide end_y;
};

// The enthalpy lines are labelled at their midpoint, the specific-volume lines at their start.
Pixel Midpoint(const Chart_Fields& chart, const Line_Ends& line) {
    return {pixel_of(((line.start_x + line.end_x) * 0.5L - chart.Tmin_Index) * chart.X_Scale),
            pixel_of(Plot_Bottom - (line.start_y + line.end_y) * 0.5L * chart.Y_Scale)};
}

Pixel Start(const Chart_Fields& chart, const Line_Ends& line) {
    return {x_of_index(chart, static_cast<float>(line.start_x)),
            y_of_humidity(chart, static_cast<float>(line.start_y))};
}

// Lines through the saturation points, drawn whole from their start to their end.
struct Whole_Line_Family {
    const Line_Table& start_x;
    const Line_Table& start_y;
    const Line_Table& end_x;
    const Line_Table& end_y;
    float (*saturation_value)(float Patm, float T);
    Pixel (*label_at)(const Chart_Fields& chart, const Line_Ends& line);
};

// Every line whose end lies right of the left edge; one starting left of it is drawn from a
// negative x and clipped by the image.
void Draw_Whole_Lines(ui::Canvas& canvas, const Chart_Fields& chart, float Patm, const Whole_Line_Family& family) {
    const Wide origin = family.start_x[chart.Tmin_Index];
    for (int i = 0; i < chart.Tmax_Index; ++i) {
        const Line_Ends line{family.start_x[i], family.start_y[i], family.end_x[i], family.end_y[i]};
        if (!(line.end_x - origin > 0)) continue;
        canvas.move_to(pixel_of((line.start_x - origin) * chart.X_Scale), y_of_humidity(chart, family.start_y[i]));
        canvas.line_to(pixel_of((line.end_x - origin) * chart.X_Scale), y_of_humidity(chart, family.end_y[i]));
        const Pixel label = family.label_at(chart, line);
        canvas.text_out(
            label.x, label.y,
            Saturation_Label(family.saturation_value, Patm, static_cast<float>(i - Temperature_Index_Offset)));
    }
}

// Everything over the white picture.
void Paint(const Line_Switches& switches, ui::Canvas& canvas, const Chart_Fields& chart, const AH_Lines& ah_lines,
           const Air_State& state) {
    canvas.pen.color = chart::chart_color::Black;
    Trace_Frame(canvas, chart);

    canvas.pen.width = 2;
    canvas.pen.color = chart::chart_color::Blue;
    Mark_State(canvas, chart, state);

    canvas.pen.width = 1;
    canvas.pen.color = chart::chart_color::Red;
    if (switches.rh_lines) Draw_RH_Curves(canvas, chart);
    if (switches.t_lines) {
        canvas.pen.color = chart::chart_color::Blue;
        Draw_T_Lines(canvas, chart);
    }
    if (switches.ah_lines) {
        canvas.pen.color = chart::chart_color::Green;
        Draw_AH_Lines(canvas, chart, ah_lines);
    }
    if (switches.h_lines) {
        canvas.pen.color = chart::chart_color::Blue;
        Draw_Whole_Lines(
            canvas, chart, state.Patm,
            {chart.H_Start_X, chart.H_Start_Y, chart.H_End_X, chart.H_End_Y, Saturation_Enthalpy, Midpoint});
    }
    if (switches.sv_lines) {
        canvas.pen.color = chart::chart_color::Black;
        Draw_Whole_Lines(
            canvas, chart, state.Patm,
            {chart.SV_Start_X, chart.SV_Start_Y, chart.SV_End_X, chart.SV_End_Y, Saturation_Volume, Start});
    }
}

}  // namespace

Chart_Painter::Chart_Painter() : white_(White) {}

Chart_Outcome Chart_Painter::Draw_Chart(const Line_Switches& switches, ui::Image& image, Chart_Fields& chart,
                                        const AH_Lines& ah_lines, const Air_State& state) {
    image.canvas().clear();
    const Drawing_Finish finish(image);

    const bool axis_cut = Set_Axis(chart, Around(state.Tdb, chart.Half_Span));
    return Paint_After_Axis(axis_cut, [&] {
        Calc_HLines(chart, state.H, state.Twb);
        Calc_SVLines(chart, state.Patm, state.SV);
        white_.paint(image);
        Paint(switches, image.canvas(), chart, ah_lines, state);
    });
}

}  // namespace moistrel
