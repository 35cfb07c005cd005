#include "chart/chart_families.h"

#include <array>
#include <string>

#include "chart/chart_colors.h"
#include "chart/chart_strokes.h"
#include "chart/label_memo.h"
#include "chart/pixel_mapping.h"
#include "chart/saturation_values.h"
#include "engine/float_env.h"
#include "numtext/general_format.h"
#include "numtext/int_text.h"

namespace chart {

namespace {

using Level_Table = std::array<float, Level_Count>;
using Line_Table = std::array<float, Line_Count>;
// Products and differences of the 32-bit table values are formed in extended precision.
using Wide = long double;

// The T, H and SV lines thin out as the axis widens: every degree, every even one, every fifth.
bool Passes_Spacing(int Half_Span, int index) {
    if (Half_Span <= 15) return true;
    if (Half_Span <= 30) return index % 2 == 0;
    return index % 5 == 0;
}

void Draw_RH_Curves(ui::Canvas& canvas, const Chart_Fields& chart, bool shown) {
    canvas.pen.color = chart_color::Red;
    canvas.font.color = chart_color::Red;
    if (!shown) return;
    for (int r = 1; r <= 10; ++r) {
        // Labelled at the curve's right end; the saturation label sits lower, clear of the frame's corner.
        const Pixel end = Trace_Curve(canvas, chart, chart.W_Grid[r]);
        const bool saturation = r == 10;
        canvas.text_out(saturation ? end.x - 19 : end.x - 14, saturation ? end.y + 2 : end.y,
                        numtext::int_to_text(10 * r));
    }
    canvas.text_out(510, 2, "RH");
}

void Draw_T_Lines(ui::Canvas& canvas, const Chart_Fields& chart) {
    canvas.pen.color = chart_color::Bright_Green;
    canvas.pen.style = ui::Pen_Style::Dot;
    canvas.font.color = chart_color::Bright_Green;
    for (int i = chart.Tmin_Index; i <= chart.Tmax_Index; ++i) {
        if (Passes_Spacing(chart.Half_Span, i)) Draw_T_Line(canvas, chart, i);
    }
    canvas.font.size = 10;
    canvas.text_out(0, 481, "T");
    canvas.font.size = 8;
    canvas.pen.style = ui::Pen_Style::Solid;
}

// Horizontal lines at tenths of the right edge's saturation humidity ratio, from the saturation
// curve (or the left edge) to the right edge, labelled in the band right of the plot.
struct Level_Family {
    const Level_Table& start_x;
    const Level_Table& level;
    ui::Color pen;
    ui::Color font;
    // Made from start_x[0], the base value, and the line's number.
    Label_Memo<Level_Count>& labels;
    int label_x;
    int label_dy;
    const char* caption;
    int caption_x;
    int caption_y;
};

void Draw_Level_Family(ui::Canvas& canvas, const Chart_Fields& chart, const Level_Family& family) {
    canvas.pen.color = family.pen;
    canvas.font.color = family.font;
    for (int n = 1; n <= 9; ++n) {
        const int y = Draw_Level_Line(canvas, chart, family.start_x[n], family.level[n]);
        canvas.text_out(family.label_x, y + family.label_dy, family.labels.text(family.start_x[0], n));
    }
    canvas.text_out(family.caption_x, family.caption_y, family.caption);
}

// g/kg of the line's humidity ratio; the base is the saturation humidity ratio at the right edge.
std::string AH_Label(float base, std::size_t n) { return numtext::format_general(Wide{base} * 1000 * n * 0.1L); }

// Tenths of the saturation pressure at the right edge, kPa, which is the base.
std::string Pw_Label(float base, std::size_t n) { return numtext::format_general(n * Wide{base} * 0.1L); }

// The temperature of a saturation index, degree C.
float Saturation_Temperature(std::size_t i) {
    return static_cast<float>(static_cast<int>(i) - Temperature_Index_Offset);
}

// The saturation enthalpy and specific volume at the line's saturation index, at the pressure.
std::string H_Label(float Patm, std::size_t i) {
    return Saturation_Label(Saturation_Enthalpy, Patm, Saturation_Temperature(i));
}

std::string SV_Label(float Patm, std::size_t i) {
    return Saturation_Label(Saturation_Volume, Patm, Saturation_Temperature(i));
}

// Slanted lines through the saturation points, each extended up-left to a guide line above the
// saturation curve where its label stands.
struct Slant_Family {
    const Line_Table& start_x;
    const Line_Table& start_y;
    const Line_Table& end_x;
    const Line_Table& end_y;
    ui::Color pen;
    ui::Color font;
    // Made from the pressure and the line's saturation index.
    Label_Memo<Line_Count>& labels;
    int label_dx;
    int label_dy;
};

// The intermediates are 32-bit floats, each formed in extended precision and rounded once.
float single(Wide value) { return engine::to_single(value); }

void Draw_Slant_Family(ui::Canvas& canvas, const Chart_Fields& chart, float Patm, const Slant_Family& family) {
    canvas.pen.color = family.pen;
    canvas.font.color = family.font;
    const float origin_x = family.start_x[chart.Tmin_Index];
    // The guide runs from (0, y0), 50 pixels above the left end of the saturation curve, to (500, 0).
    const float y0 = single(430 - Wide{chart.H_Start_Y[chart.Tmin_Index]} * chart.Y_Scale);
    const float g = single(-Wide{y0} * 0.002L);
    for (int i = 0; i < chart.Tmax_Index; ++i) {
        if (!(Wide{family.end_x[i]} - origin_x > 0)) continue;
        if (!Passes_Spacing(chart.Half_Span, i)) continue;
        const float Ex = single((Wide{family.end_x[i]} - origin_x) * chart.X_Scale);
        const float Ey = single(Plot_Bottom - Wide{family.end_y[i]} * chart.Y_Scale);
        const float Sx = single((Wide{family.start_x[i]} - origin_x) * chart.X_Scale);
        const float Sy = single(Plot_Bottom - Wide{family.start_y[i]} * chart.Y_Scale);
        // The line through E and S is y = a x + c; it meets the guide y = g x + y0 at P.
        const Wide run = Wide{Sx} - Ex;
        if (run == 0) continue;  // a degenerate table entry: no line to extend
        const float a = single((Wide{Sy} - Ey) / run);
        const float c = single((Wide{Ey} * Sx - Wide{Sy} * Ex) / run);
        const Wide closing = Wide{a} - g;
        if (closing == 0) continue;
        const int Px = pixel_of((y0 - Wide{c}) / closing);
        const int Py = pixel_of((Wide{a} * y0 - Wide{c} * g) / closing);
        canvas.move_to(pixel_of(Ex), pixel_of(Ey));
        canvas.line_to(Px, Py);
        canvas.text_out(Px + family.label_dx, Py + family.label_dy,
                        family.labels.text(Patm, static_cast<std::size_t>(i)));
        canvas.move_to(500, 0);
        canvas.line_to(0, pixel_of(y0));
    }
}

}  // namespace

Family_Painter::Family_Painter()
    : ah_labels_(AH_Label), pw_labels_(Pw_Label), h_labels_(H_Label), sv_labels_(SV_Label) {}

void Family_Painter::Draw_Families(ui::Canvas& canvas, const Chart_Switches& switches, const Chart_Fields& chart,
                                   float Patm) {
    Draw_RH_Curves(canvas, chart, switches.rh_lines);
    if (switches.t_lines) Draw_T_Lines(canvas, chart);
    if (switches.ah_lines) {
        Draw_Level_Family(canvas, chart,
                          {chart.AH_Start_X, chart.AH_Level, chart_color::Dark_Yellow, chart_color::Yellow, ah_labels_,
                           556, 0, "AH x0.001", 526, 17});
    }
    if (switches.pw_lines) {
        Draw_Level_Family(canvas, chart,
                          {chart.Pw_Start_X, chart.Pw_Level, chart_color::Mauve, chart_color::Light_Pink, pw_labels_,
                           550, -15, "Pw", 555, 2});
    }
    if (switches.h_lines) {
        Draw_Slant_Family(canvas, chart, Patm,
                          {chart.H_Start_X, chart.H_Start_Y, chart.H_End_X, chart.H_End_Y, chart_color::Brown,
                           chart_color::Light_Orange, h_labels_, 0, 0});
    }
    if (switches.sv_lines) {
        Draw_Slant_Family(canvas, chart, Patm,
                          {chart.SV_Start_X, chart.SV_Start_Y, chart.SV_End_X, chart.SV_End_Y, chart_color::Gray,
                           chart_color::Silver, sv_labels_, -31, -11});
    }
}

}  // namespace chart
