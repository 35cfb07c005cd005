#pragma once

#include "app/math_error_boxes.h"
#include "chart/chart_tables.h"
#include "earlier/chart/ah_lines.h"
#include "earlier/chart/painter.h"
#include "state/air_state.h"
#include "ui/application.h"
#include "ui/form.h"

// Moistrel's chart as its window holds it: the 577 x 497 image, the pressure's tables, a state of
// RH 50 and the default Half_Span of 10; for tests and benchmarks that need no window.
struct Earlier_Start_Chart {
    explicit Earlier_Start_Chart(float Patm = 101.325f, float Tdb = 20) {
        image.set_bounds({0, 0, 577, 497});
        chart.Half_Span = 10;
        set_pressure(Patm);
        set_state(Tdb);
    }
    void set_pressure(float Patm) {
        moistrel::Calc_Pressure_Tables(Patm, chart, ah_lines);
        state.Patm = Patm;
        state::Derive_From_Tdb_RH(state);
    }
    void set_state(float Tdb) {
        state.Tdb = Tdb;
        state.RH = 50;
        state::Derive_From_Tdb_RH(state);
    }
    chart::Chart_Outcome draw(const moistrel::Line_Switches& switches) {
        return painter.Draw_Chart(switches, image, chart, ah_lines, state);
    }

    ui::Application application{"Moistrel"};
    app::Math_Error_Boxes math_error_boxes{application};
    ui::Form& form = application.create_form<ui::Form>("TForm1");
    ui::Image& image = form.create<ui::Image>(nullptr, "Chart_Image");
    chart::Chart_Fields chart;
    moistrel::AH_Lines ah_lines;
    moistrel::Chart_Painter painter;
    state::Air_State state{.Patm = 101.325f, .RH = 50, .Tdb = 20};
};

// Every family on.
inline constexpr moistrel::Line_Switches Every_Family{true, true, true, true, true};
