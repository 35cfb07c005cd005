#include "chart/chart_painter.h"

#include <algorithm>
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
#include "numtext/int_text.h"
#include "numtext/mask_format.h"

using state::Air_State;

namespace chart {

namespace {

bool outside(std::int64_t Tmin, std::int64_t Tmax, float Tdb) {
    // Compared as floating-point numbers, so a Tdb exactly on an edge stays inside.
    return static_cast<long double>(Tmax) < Tdb || static_cast<long double>(Tmin) > Tdb;
}

Axis_Range Around(int Center_T, int Half_Span) {
    return {std::int64_t{Center_T} - Half_Span, std::int64_t{Center_T} + Half_Span};
}

// The axis spans 2 Half_Span degrees around Center_T, recentred on the state when asked to or
// when the state has left it. Returns whether the axis was cut at both ends.
bool Set_Axis_Range(bool centralize, Chart_Fields& chart, float Tdb) {
    if (centralize) chart.Center_T = numtext::truncate_to_int(Tdb);
    Axis_Range range = Around(chart.Center_T, chart.Half_Span);
    if (outside(range.Tmin, range.Tmax, Tdb)) {
        chart.Center_T = numtext::truncate_to_int(Tdb);
        range = Around(chart.Center_T, chart.Half_Span);
    }
    return Set_Axis(chart, range);
}

// Black at the top-left corner, bluer along the diagonal; one 24-bit buffer, rows top first. The
// blue of a pixel depends on r + c alone, so each diagonal's value is worked out once.
Picture_Pixels Gradient(int width, int height) {
    std::vector<std::uint8_t> diagonal_blue(static_cast<std::size_t>(std::max(width + height - 1, 0)));
    for (std::size_t d = 0; d < diagonal_blue.size(); ++d)
        diagonal_blue[d] = static_cast<std::uint8_t>(static_cast<int>(d) * 255 / (width + height));
    auto pixels = std::make_shared<std::vector<std::uint8_t>>(Picture_Bytes(width, height), 0);
    std::size_t at = 0;
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            (*pixels)[at] = diagonal_blue[static_cast<std::size_t>(r + c)];
            at += 3;  // green and red stay 0
        }
    }
    return pixels;
}

// The memo's one label, numbered 0.
std::string Pressure_Text(float Patm, std::size_t) {
    return "Patm : " + numtext::format_mask(Patm, "###0.###") + "  kPa";
}

void Write_Pressure(ui::Canvas& canvas, const std::string& text) {
    canvas.brush.style = ui::Brush_Style::Clear;
    canvas.font.color = chart_color::White;
    canvas.font.size = 12;
    canvas.text_out(120, 10, text);
    canvas.font.size = 8;
}

struct Legend_Row {
    ui::Color color;
    const char* name;
    const char* unit;
};

constexpr std::array<Legend_Row, 8> Legend_Rows{{
    {chart_color::Bright_Green, " T", ": degree C"},
    {chart_color::Red, " RH", ":  %"},
    {chart_color::Yellow, " AH", ": kg/kg DA"},
    {chart_color::Light_Orange, " H", ": kJ/kg DA"},
    {chart_color::Silver, " SV", ": m3/kg DA"},
    {chart_color::White, "Hfg", ": kJ/kg"},
    {chart_color::White, "DOS", ":  %"},
    {chart_color::Light_Pink, " Pw", ": kPa"},
}};

void Draw_Legend(ui::Canvas& canvas) {
    canvas.pen.color = chart_color::Silver;
    canvas.round_rect(5, 7, 100, 150, 5, 5);
    canvas.text_out(40, 10, "Units");
    int y = 10;
    for (const Legend_Row& row : Legend_Rows) {
        y += 15;
        canvas.font.color = row.color;
        canvas.text_out(15, y, row.name);
        canvas.text_out(40, y, row.unit);
    }
}

void Draw_Frame(ui::Canvas& canvas, const Chart_Fields& chart) {
    canvas.pen.color = chart_color::Silver;
    canvas.font.color = chart_color::White;
    Trace_Frame(canvas, chart);
}

}  // namespace

Chart_Painter::Chart_Painter() : background_(Gradient), pressure_text_(Pressure_Text) {}

Chart_Outcome Chart_Painter::Draw_Chart(const Chart_Inputs& inputs, ui::Image& image, Chart_Fields& chart,
                                        const Air_State& state, int mode) {
    ui::Canvas& canvas = image.canvas();
    canvas.clear();
    const Drawing_Finish finish(image);

    const bool axis_cut = Set_Axis_Range(inputs.switches.centralize, chart, state.Tdb);
    return Paint_After_Axis(axis_cut, [&] {
        Calc_AHLines(chart);
        Calc_PwLines(chart, state.Patm);
        Calc_HLines(chart, state.H, state.Twb);
        Calc_SVLines(chart, state.Patm, state.SV);

        background_.paint(image);
        Write_Pressure(canvas, pressure_text_.text(state.Patm, 0));
        if (inputs.switches.unit_label) Draw_Legend(canvas);
        Draw_Frame(canvas, chart);
        families_.Draw_Families(canvas, inputs.switches, chart, state.Patm);
        Draw_Markers(canvas, inputs, chart, state, mode);
    });
}

}  // namespace chart
