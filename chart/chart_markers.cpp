#include "chart/chart_markers.h"

#include <array>
#include <string>

#include "chart/chart_colors.h"
#include "chart/pixel_mapping.h"
#include "engine/property.h"
#include "numtext/text_to_number.h"

using state::Air_State;

namespace chart {

namespace {

struct Marker_Context {
    ui::Canvas& canvas;
    const Chart_Fields& chart;
    const Air_State& state;

    Pixel of_state(float T, float W) const { return {x_of_temperature(chart, T), y_of_humidity(chart, W)}; }
    Pixel of_table(float u, float W) const { return {x_of_index(chart, u), y_of_humidity(chart, W)}; }

    // A filled circle of radius 3.
    void dot(Pixel at) const { canvas.ellipse(at.x - 3, at.y - 3, at.x + 3, at.y + 3); }
    // A dot with its label, by default below and to the left of it.
    Pixel point(Pixel at, const std::string& label, int label_dx = -25, int label_dy = 5) const {
        dot(at);
        canvas.text_out(at.x + label_dx, at.y + label_dy, label);
        return at;
    }
    // A point read from a sheet's two edits, as their texts show it.
    Pixel sheet_point(const Sheet_Point_Texts& texts, const std::string& label) const {
        const float T = numtext::text_to_single(texts.Tdb);
        const float W = numtext::text_to_single(texts.AH);
        return point(of_state(T, W), label);
    }
    void line(Pixel from, Pixel to) const {
        canvas.move_to(from.x, from.y);
        canvas.line_to(to.x, to.y);
    }
    void line_from_bottom(Pixel to) const { line({to.x, Plot_Bottom}, to); }
    void line_to_right_edge(Pixel from) const { line(from, {Plot_Right, from.y}); }
    Pixel enthalpy_line_end() const { return of_table(chart.H_End_X[State_Line], chart.H_End_Y[State_Line]); }
    Pixel enthalpy_line_start() const { return of_table(chart.H_Start_X[State_Line], chart.H_Start_Y[State_Line]); }
};

// The state, its dew point, its wet-bulb point on its enthalpy line and its specific-volume line.
void Mark_State_Lines(const Marker_Context& m) {
    const Air_State& s = m.state;
    const Pixel state = m.point(m.of_state(s.Tdb, s.AH), "Tdb");
    m.line_from_bottom({state.x, y_of_humidity(m.chart, Calc_Property(Kind_AH, s.Patm, s.Pws))});

    const Pixel dew = m.of_state(s.Tdp, s.AH);
    m.canvas.move_to(dew.x, dew.y);
    m.dot(dew);
    m.canvas.line_to(Plot_Right, dew.y);
    m.canvas.text_out(dew.x - 25, dew.y - 15, "Tdp");

    const Pixel wet_bulb = m.point(m.enthalpy_line_start(), "Twb", 0, -15);
    m.line(wet_bulb, m.enthalpy_line_end());

    m.line(m.of_table(m.chart.SV_Start_X[State_Line], m.chart.SV_Start_Y[State_Line]),
           m.of_table(m.chart.SV_End_X[State_Line], m.chart.SV_End_Y[State_Line]));
}

void Mark_State_Mode(const Marker_Context& m, const Chart_Inputs&) { Mark_State_Lines(m); }

void Mark_Process(const Marker_Context& m, const Chart_Inputs& inputs) {
    m.sheet_point(inputs.process_1, "State 1");
    m.sheet_point(inputs.process_2, "State 2");
}

// Outdoor and after-pad states over the bottom axis, and the saturation point on the enthalpy line.
void Mark_Pad(const Marker_Context& m, const Chart_Inputs& inputs) {
    m.line_from_bottom(m.point(m.of_state(m.state.Tdb, m.state.AH), "Outdoor"));
    m.line_from_bottom(m.sheet_point(inputs.pad_after, "AfterPad"));
    const Pixel saturated = m.point(m.enthalpy_line_start(), "100%", -10, -15);
    m.line(saturated, {saturated.x, Plot_Bottom});
    m.line(saturated, m.enthalpy_line_end());
}

void Mark_VPD(const Marker_Context& m, const Chart_Inputs& inputs) {
    m.line_to_right_edge(m.point(m.of_state(m.state.Tdb, m.state.AH), "Air"));
    m.line_to_right_edge(m.sheet_point(inputs.vpd_leaf, "Leaf"));
}

constexpr std::array<void (*)(const Marker_Context&, const Chart_Inputs&), 4> Mode_Markers{
    Mark_State_Mode, Mark_Process, Mark_Pad, Mark_VPD};

}  // namespace

void Mark_State(ui::Canvas& canvas, const Chart_Fields& chart, const Air_State& state) {
    Mark_State_Lines({canvas, chart, state});
}

void Draw_Markers(ui::Canvas& canvas, const Chart_Inputs& inputs, Chart_Fields& chart, const Air_State& state,
                  int mode) {
    canvas.pen.width = 2;
    canvas.pen.color = chart_color::Sky_Blue;
    canvas.font.color = chart_color::White;
    canvas.brush.color = chart_color::Navy;
    canvas.brush.style = ui::Brush_Style::Solid;
    if (mode < Mode_State || mode > Mode_VPD) return;
    // Stored before any sheet text is read, so a redraw in this mode repeats a conversion error.
    chart.Chart_Mode = mode;
    Mode_Markers[static_cast<std::size_t>(mode)]({canvas, chart, state}, inputs);
}

}  // namespace chart
