#include <gtest/gtest.h>

#include <QImage>

#include <map>
#include <string>

#include "app/math_error_boxes.h"
#include "chart/chart_tables.h"
#include "main/psy.h"
#include "state/air_state.h"
#include "tests/main/main_window_test_access.h"
#include "tests/support/headless_front_end.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/edit.h"
#include "ui/qt/canvas_raster.h"
#include "ui/qt/fonts.h"
#include "ui/static_controls.h"

using app::Math_Error_Boxes;
using chart::Calc_RHCurves;
using chart::Calc_TLines;
using chart::Chart_Fields;
using chart::Mode_Pad;
using chart::Mode_State;
using chart::Mode_VPD;
using hygrodex::TForm1;
using state::Air_State;
using state::Derive_From_Tdb_RH;

namespace {

QImage white_chart(int ratio) {
    QImage image(578 * ratio, 503 * ratio, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A raster that has drawn other charts, at this device pixel ratio or another, keeps their
// background and text layouts; none of that may show in a later chart: it must give the pixels of
// a raster that starts afresh.
TEST(Chart_Redraw, AKeptRasterDrawsThePixelsOfAFreshOne) {
    ui::qt::install_font_substitutions();
    test_support::Headless_Front_End front_end;
    ui::Application application("Hygrodex");
    const Math_Error_Boxes math_error_boxes(application);
    application.set_front_end(front_end);
    auto& window = application.create_form<TForm1>();
    for (const char* line_switch : {"Check_T", "Check_RH", "Check_AH", "Check_Pw", "Check_H", "Check_SV"})
        window.get<ui::Check_Box>(line_switch).set_checked(true);
    window.get<ui::Edit>("Edit_ptdb2").set_text("24.5");
    window.get<ui::Edit>("Edit_pah2").set_text("0.0118");
    window.get<ui::Edit>("Edit_vtdb2").set_text("18");
    window.get<ui::Edit>("Edit_vah2").set_text("0.0129");
    // The drawings' states and spans are set directly: the raster, not the way there, is under test.
    Air_State& state = Main_Window_Test_Access::State(window);
    Chart_Fields& chart = Main_Window_Test_Access::Chart(window);

    struct Drawing {
        float Patm;
        float Tdb;
        int half_span;
        bool unit_label;
        int mode;
        int ratio;
    };
    const Drawing drawings[] = {
        {101.325f, 20, 10, true, Mode_State, 1}, {90, 20, 10, true, Mode_State, 1},
        {90, 20, 10, true, Mode_State, 2},       {90, -5.7f, 25, false, Mode_Pad, 1},
        {101.325f, 66, 60, true, Mode_VPD, 2},   {101.325f, 20, 10, true, Mode_State, 1},
    };
    ui::qt::Canvas_Raster kept;
    std::map<int, QImage> drawn_over{{1, white_chart(1)}, {2, white_chart(2)}};
    for (const Drawing& d : drawings) {
        SCOPED_TRACE(std::to_string(d.Patm) + " kPa, Tdb " + std::to_string(d.Tdb) + ", Half_Span " +
                     std::to_string(d.half_span) + ", ratio " + std::to_string(d.ratio));
        state.Patm = d.Patm;
        state.Tdb = d.Tdb;
        Derive_From_Tdb_RH(state);
        Calc_RHCurves(chart, d.Patm);
        Calc_TLines(chart);
        chart.Half_Span = d.half_span;
        window.get<ui::Check_Box>("Check_auto").set_checked(true);
        window.get<ui::Check_Box>("Check_unit").set_checked(d.unit_label);
        window.Draw_Chart(d.mode);

        kept.draw(window.get<ui::Image>("Chart_Image").canvas(), drawn_over[d.ratio], d.ratio);
        QImage fresh = white_chart(d.ratio);
        ui::qt::rasterise(window.get<ui::Image>("Chart_Image").canvas(), fresh, d.ratio);
        EXPECT_TRUE(drawn_over[d.ratio] == fresh);
    }
}

}  // namespace
