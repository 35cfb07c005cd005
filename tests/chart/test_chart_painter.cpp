#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "app/math_error_boxes.h"
#include "chart/chart_colors.h"
#include "chart/chart_painter.h"
#include "chart/chart_tables.h"
#include "chart/pixel_mapping.h"
#include "engine/property.h"
#include "numtext/general_format.h"
#include "numtext/text_to_number.h"
#include "tests/chart/canvas_ops.h"
#include "tests/support/headless_front_end.h"
#include "ui/application.h"
#include "ui/form.h"

using namespace chart;
using app::Math_Error_Boxes;
using state::Air_State;
using state::Derive_From_Tdb_RH;

namespace {

using namespace canvas_ops;

constexpr int No_Markers = -1;

class Change_Counter : public ui::Control_View {
public:
    void control_changed() override { ++count; }
    int count = 0;
};

// A chart of 578 x 503 with its switches and sheet edits, at the start pressure and state.
class Chart_Painter_Test : public ::testing::Test {
protected:
    Chart_Painter_Test() {
        app.set_front_end(front_end);
        image.set_bounds({0, 0, 578, 503});
        image.attach_view(&changes);
        centralize = true;
        chart.Half_Span = 10;
        state.Tdb = 20;
        state.RH = 50;
        set_pressure(101.325f);
        set_sheet_texts({"25", "0.01", "30", "0.012", "24.5", "0.0118", "18", "0.0129"});
    }

    void set_pressure(float Patm) {
        Calc_RHCurves(chart, Patm);
        Calc_TLines(chart);
        state.Patm = Patm;
        Derive_From_Tdb_RH(state);
    }
    void set_state(float Tdb) {
        state.Tdb = Tdb;
        Derive_From_Tdb_RH(state);
    }
    void set_sheet_texts(const Texts& texts) {
        for (std::size_t k = 0; k < texts.size(); ++k) *sheet_texts[k] = texts[k];
    }
    // Raises the error that stopped the painting, as the window does.
    void draw(int mode = No_Markers) {
        outcome = painter.Draw_Chart(inputs, image, chart, state, mode);
        if (outcome.stopped_by) std::rethrow_exception(outcome.stopped_by);
    }
    const Ops& ops() const { return image.canvas().ops(); }
    // The markers are the only operations drawn with a pen two pixels wide.
    Ops marker_ops() const {
        return select(ops(), [](const Canvas_Op& op) { return op.pen.width == 2; });
    }

    int x_t(float T) const { return x_of_temperature(chart, T); }
    int x_u(float u) const { return x_of_index(chart, u); }
    int y_w(float W) const { return y_of_humidity(chart, W); }

    // What each mode draws, built from the mapping, the state and the edits' texts.
    Texts expected_markers(int mode) const {
        const auto point = [](int x, int y, const std::string& label) {
            return Texts{dot(x, y), text(x - 25, y + 5, label)};
        };
        const auto sheet = [this](const std::string& tdb, const std::string& ah) {
            return std::pair{x_t(numtext::text_to_single(tdb)), y_w(numtext::text_to_single(ah))};
        };
        const int x = x_t(state.Tdb);
        const int y = y_w(state.AH);
        const int wx = x_u(chart.H_Start_X[State_Line]);
        const int wy = y_w(chart.H_Start_Y[State_Line]);
        const std::string h_end = line(x_u(chart.H_End_X[State_Line]), y_w(chart.H_End_Y[State_Line]));
        Texts expected;
        const auto add = [&expected](const Texts& more) { expected.insert(expected.end(), more.begin(), more.end()); };
        switch (mode) {
        case Mode_State: {
            const int dx = x_t(state.Tdp);
            add(point(x, y, "Tdb"));
            add({move(x, 480), line(x, y_w(Calc_Property(Kind_AH, state.Patm, state.Pws)))});
            add({move(dx, y), dot(dx, y), line(550, y), text(dx - 25, y - 15, "Tdp")});
            add({dot(wx, wy), text(wx, wy - 15, "Twb"), move(wx, wy), h_end});
            add({move(x_u(chart.SV_Start_X[State_Line]), y_w(chart.SV_Start_Y[State_Line])),
                 line(x_u(chart.SV_End_X[State_Line]), y_w(chart.SV_End_Y[State_Line]))});
            break;
        }
        case Mode_Process: {
            const auto [x1, y1] = sheet(process_tdb1, process_ah1);
            const auto [x2, y2] = sheet(process_tdb2, process_ah2);
            add(point(x1, y1, "State 1"));
            add(point(x2, y2, "State 2"));
            break;
        }
        case Mode_Pad: {
            const auto [px, py] = sheet(pad_tdb2, pad_ah2);
            add(point(x, y, "Outdoor"));
            add({move(x, 480), line(x, y)});
            add(point(px, py, "AfterPad"));
            add({move(px, 480), line(px, py)});
            add({dot(wx, wy), text(wx - 10, wy - 15, "100%"), move(wx, wy), line(wx, 480), move(wx, wy), h_end});
            break;
        }
        case Mode_VPD: {
            const auto [lx, ly] = sheet(vpd_tdb2, vpd_ah2);
            add(point(x, y, "Air"));
            add({move(x, y), line(550, y)});
            add(point(lx, ly, "Leaf"));
            add({move(lx, ly), line(550, ly)});
            break;
        }
        default: break;
        }
        return expected;
    }

    Change_Counter changes;
    test_support::Headless_Front_End front_end;
    ui::Application app{"Hygrodex.exe"};
    Math_Error_Boxes math_error_boxes{app};
    ui::Form& form = app.create_form<ui::Form>("TForm1");
    ui::Image& image = form.create<ui::Image>(nullptr, "Chart_Image");
    Chart_Inputs inputs;
    bool& centralize = inputs.switches.centralize;
    bool& unit_label = inputs.switches.unit_label;
    bool& rh_lines = inputs.switches.rh_lines;
    bool& t_lines = inputs.switches.t_lines;
    bool& ah_lines = inputs.switches.ah_lines;
    bool& pw_lines = inputs.switches.pw_lines;
    bool& h_lines = inputs.switches.h_lines;
    bool& sv_lines = inputs.switches.sv_lines;
    std::string& process_tdb1 = inputs.process_1.Tdb;
    std::string& process_ah1 = inputs.process_1.AH;
    std::string& process_tdb2 = inputs.process_2.Tdb;
    std::string& process_ah2 = inputs.process_2.AH;
    std::string& pad_tdb2 = inputs.pad_after.Tdb;
    std::string& pad_ah2 = inputs.pad_after.AH;
    std::string& vpd_tdb2 = inputs.vpd_leaf.Tdb;
    std::string& vpd_ah2 = inputs.vpd_leaf.AH;
    const std::vector<std::string*> sheet_texts{&process_tdb1, &process_ah1, &process_tdb2, &process_ah2,
                                                &pad_tdb2,     &pad_ah2,     &vpd_tdb2,     &vpd_ah2};
    Chart_Painter painter;
    Chart_Outcome outcome;
    Chart_Fields chart;
    Air_State state;
};

// ---- Pixel mapping ----

TEST(Pixel_Mapping, TruncatesTowardZeroFromWideProducts) {
    Chart_Fields chart;
    chart.Tmin_Index = 50;
    chart.X_Scale = 10;
    chart.Y_Scale = 1000;
    struct Case {
        const char* what;
        int (*map)(const Chart_Fields&, float);
        float value;
        float y_scale;
        int expected;
    };
    const Case cases[] = {
        {"left edge", x_of_temperature, 10, 1000, 0},
        {"-0.9 pixels draws at 0", x_of_temperature, 9.91f, 1000, 0},
        {"-2.5 pixels gives -2", x_of_temperature, 9.75f, 1000, -2},
        {"temperature inside", x_of_temperature, 30, 1000, 200},
        {"index", x_of_index, 50.55f, 1000, 5},
        {"index left of the edge", x_of_index, 49.95f, 1000, 0},
        {"bottom axis", y_of_humidity, 0, 1000, 480},
        {"inside the plot", y_of_humidity, 0.25f, 1000, 230},
        {"-0.5 pixels above the top draws at 0", y_of_humidity, 0.5f, 961, 0},
        // 160.33333f x 3 is 480.99998 exactly but rounds to 481 as a float product.
        {"product not rounded to a float", y_of_humidity, 160.3333282470703125f, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        chart.Y_Scale = c.y_scale;
        EXPECT_EQ(c.map(chart, c.value), c.expected);
    }
}

// ---- Axis, scales and tables ----

TEST_F(Chart_Painter_Test, AxisRangeRecentresAndClamps) {
    struct Case {
        const char* what;
        bool centralize;
        int center_t;
        int half_span;
        float tdb;
        int expected_center;
        int tmin_index;
        int tmax_index;
        float x_scale;
        bool zoom_out_enabled;
    };
    const Case cases[] = {
        {"first drawing", true, 0, 10, 20, 20, 50, 70, 27.5f, true},
        {"right edge stays inside", false, 20, 10, 30, 20, 50, 70, 27.5f, true},
        {"left edge stays inside", false, 20, 10, 10, 20, 50, 70, 27.5f, true},
        {"just past the edge recentres", false, 20, 10, 30.01f, 30, 60, 80, 27.5f, true},
        {"truncation toward zero", true, 0, 10, -5.7f, -5, 25, 45, 27.5f, true},
        {"clamped at 70", true, 0, 10, 66, 66, 90, 110, 27.5f, true},
        {"clamped at -40", true, 0, 10, -36, -36, 0, 20, 27.5f, true},
        {"full axis, Half_Span 55", true, 0, 55, 20, 20, 0, 110, 5, true},
        {"cut axis, Half_Span 60", true, 0, 60, 20, 20, 0, 110, 5, false},
        {"cut from the left, Half_Span 60", true, 0, 60, -30, -30, 0, 110, 5, false},
        {"Half_Span 20", true, 0, 20, 20, 20, 40, 80, 13.75f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        centralize = c.centralize;
        chart.Center_T = c.center_t;
        chart.Half_Span = c.half_span;
        set_state(c.tdb);
        draw();
        EXPECT_EQ(chart.Center_T, c.expected_center);
        EXPECT_EQ(chart.Tmin_Index, c.tmin_index);
        EXPECT_EQ(chart.Tmax_Index, c.tmax_index);
        EXPECT_EQ(chart.X_Scale, c.x_scale);
        EXPECT_EQ(!outcome.disable_zoom_out, c.zoom_out_enabled);
        // Scaled to the saturation humidity ratio at the right edge, tables rebuilt for this axis.
        const float wtop = chart.W_Grid[10][chart.Tmax_Index];
        EXPECT_EQ(chart.Y_Scale, static_cast<float>(480.0L / wtop));
        EXPECT_EQ(chart.AH_Start_X[0], wtop);
        EXPECT_EQ(chart.Pw_Start_X[0], Calc_Property(Kind_Pws, static_cast<float>(chart.Tmax_Index - 40)));
        EXPECT_EQ(chart.H_Start_X[State_Line], static_cast<float>(state.Twb + 40.0L));
    }
}

// ---- Background, pressure, legend, frame ----

TEST_F(Chart_Painter_Test, BackgroundIsOneBlueGradientBitmap) {
    draw();
    const Canvas_Op& bitmap = ops().front();
    ASSERT_EQ(bitmap.kind, Canvas_Op_Kind::Bitmap);
    EXPECT_EQ(describe(bitmap), "bitmap 0,0 578,503");
    ASSERT_TRUE(bitmap.pixels);
    const std::vector<std::uint8_t>& pixels = *bitmap.pixels;
    ASSERT_EQ(pixels.size(), 872202u);
    const auto blue = [&pixels](int r, int c) { return pixels[static_cast<std::size_t>(r) * 1734 + c * 3]; };
    EXPECT_EQ(blue(0, 0), 0);
    EXPECT_EQ(blue(502, 577), 254);
    EXPECT_EQ(blue(100, 200), 70);  // 300 x 255 div 1081
    EXPECT_EQ(blue(200, 100), 70);  // constant along r + c
    EXPECT_EQ(blue(0, 577), 136);   // 577 x 255 div 1081
    bool green_or_red = false;
    for (std::size_t at = 0; at < pixels.size(); at += 3) green_or_red |= pixels[at + 1] != 0 || pixels[at + 2] != 0;
    EXPECT_FALSE(green_or_red);
    EXPECT_EQ(std::count_if(ops().begin(), ops().end(),
                            [](const Canvas_Op& op) { return op.kind == Canvas_Op_Kind::Bitmap; }),
              1);
}

TEST_F(Chart_Painter_Test, BackgroundFollowsTheImageSize) {
    struct Case {
        int width, height;
        std::uint8_t bottom_right_blue;
    };
    for (const Case c : {Case{578, 503, 254}, Case{100, 50, 251}, Case{578, 503, 254}}) {
        SCOPED_TRACE(xy(c.width, c.height));
        image.set_bounds({0, 0, c.width, c.height});
        draw();
        const Canvas_Op& bitmap = ops().front();
        EXPECT_EQ(describe(bitmap), "bitmap 0,0 " + xy(c.width, c.height));
        ASSERT_TRUE(bitmap.pixels);
        ASSERT_EQ(bitmap.pixels->size(), static_cast<std::size_t>(c.width) * c.height * 3);
        EXPECT_EQ(bitmap.pixels->back(), 0);  // red of the last pixel
        EXPECT_EQ(bitmap.pixels->at(bitmap.pixels->size() - 3), c.bottom_right_blue);
    }
}

TEST_F(Chart_Painter_Test, PressureTextInWhiteWithoutBackground) {
    struct Case {
        float patm;
        const char* expected;
    };
    for (const Case& c : {Case{101.325f, "Patm : 101.325  kPa"}, Case{90, "Patm : 90  kPa"}}) {
        SCOPED_TRACE(c.expected);
        set_pressure(c.patm);
        draw();
        const Canvas_Op& pressure = ops().at(1);
        EXPECT_EQ(describe(pressure), text(120, 10, c.expected));
        EXPECT_EQ(pressure.font.color, chart::chart_color::White);
        EXPECT_EQ(pressure.font.size, 12);
        EXPECT_EQ(pressure.brush.style, ui::Brush_Style::Clear);
        EXPECT_EQ(image.canvas().font.size, 8);
    }
}

TEST_F(Chart_Painter_Test, LegendOnlyWithUnitLabel) {
    unit_label = true;
    draw();
    const Ops legend(ops().begin() + 2, ops().begin() + 20);
    const Texts expected = {
        "round_rect 5,7 100,150 5,5", text(40, 10, "Units"),      text(15, 25, " T"),   text(40, 25, ": degree C"),
        text(15, 40, " RH"),          text(40, 40, ":  %"),       text(15, 55, " AH"),  text(40, 55, ": kg/kg DA"),
        text(15, 70, " H"),           text(40, 70, ": kJ/kg DA"), text(15, 85, " SV"),  text(40, 85, ": m3/kg DA"),
        text(15, 100, "Hfg"),         text(40, 100, ": kJ/kg"),   text(15, 115, "DOS"), text(40, 115, ":  %"),
        text(15, 130, " Pw"),         text(40, 130, ": kPa"),
    };
    EXPECT_EQ(describe(legend), expected);
    EXPECT_EQ(legend[0].pen.color, chart::chart_color::Silver);
    EXPECT_EQ(legend[0].brush.style, ui::Brush_Style::Clear);
    const ui::Color row_colors[] = {
        chart::chart_color::White,  chart::chart_color::Bright_Green, chart::chart_color::Red,
        chart::chart_color::Yellow, chart::chart_color::Light_Orange, chart::chart_color::Silver,
        chart::chart_color::White,  chart::chart_color::White,        chart::chart_color::Light_Pink};
    for (std::size_t k = 1; k < legend.size(); ++k) {
        SCOPED_TRACE(legend[k].text);
        EXPECT_EQ(legend[k].font.color, row_colors[k / 2]);
        EXPECT_EQ(legend[k].font.size, 8);
    }

    unit_label = false;
    draw();
    EXPECT_TRUE(select(ops(), [](const Canvas_Op& op) { return op.kind == Canvas_Op_Kind::Round_Rect; }).empty());
    EXPECT_EQ(strings_of(select(ops(), is_text)), Texts{"Patm : 101.325  kPa"});
}

TEST_F(Chart_Painter_Test, FrameIsSaturationCurveRightEdgeAndBottomAxis) {
    draw();
    const Ops frame = paths_in(ops(), chart::chart_color::Silver);
    ASSERT_EQ(frame.size(), 24u);  // a move, 21 curve points, two edges
    EXPECT_EQ(describe(frame.front()), move(0, y_w(chart.W_Grid[10][50])));
    const Texts curve_start = {line(0, y_w(chart.W_Grid[10][50])), line(27, y_w(chart.W_Grid[10][51])),
                               line(55, y_w(chart.W_Grid[10][52])), line(82, y_w(chart.W_Grid[10][53]))};
    EXPECT_EQ(describe(Ops(frame.begin() + 1, frame.begin() + 5)), curve_start);
    // The curve reaches the top of the plot at the right edge.
    EXPECT_EQ(describe(Ops(frame.end() - 3, frame.end())), (Texts{line(550, 0), line(550, 480), line(0, 480)}));
    for (const Canvas_Op& op : frame) EXPECT_EQ(op.pen, (ui::Pen{chart::chart_color::Silver, 1, ui::Pen_Style::Solid}));
    EXPECT_EQ(ops().size(), 2 + frame.size());
}

// ---- Whole drawing ----

TEST_F(Chart_Painter_Test, EachDrawingReplacesThePreviousAndIsShown) {
    rh_lines = true;
    h_lines = true;
    draw(Mode_State);
    const Texts first = describe(ops());
    const int shown = changes.count;
    draw(Mode_State);
    EXPECT_EQ(describe(ops()), first);
    EXPECT_EQ(changes.count, shown + 1);
}

TEST_F(Chart_Painter_Test, LeavesTheCanvasSettingsForTheNextCall) {
    t_lines = true;
    for (const int mode : {int{Mode_State}, int{Mode_Pad}, 4, No_Markers}) {
        SCOPED_TRACE(mode);
        draw(mode);
        const ui::Canvas& canvas = image.canvas();
        EXPECT_EQ(canvas.pen, (ui::Pen{chart::chart_color::Sky_Blue, 1, ui::Pen_Style::Solid}));
        EXPECT_EQ(canvas.brush, (ui::Brush{chart::chart_color::Navy, ui::Brush_Style::Solid}));
        EXPECT_EQ(canvas.font.color, chart::chart_color::White);
        EXPECT_EQ(canvas.font.size, 8);
    }
}

// ---- Line families ----

TEST_F(Chart_Painter_Test, RHCurvesEndWithTheirLabels) {
    rh_lines = true;
    draw();
    const Ops curves = paths_in(ops(), chart::chart_color::Red);
    ASSERT_EQ(curves.size(), 10u * 22);
    Texts expected_labels;
    for (int r = 1; r <= 10; ++r) {
        SCOPED_TRACE(r);
        const auto& row = chart.W_Grid[r];
        const Ops curve(curves.begin() + (r - 1) * 22, curves.begin() + r * 22);
        EXPECT_EQ(describe(curve.front()), move(0, y_w(row[50])));
        EXPECT_EQ(describe(curve[1]), line(0, y_w(row[50])));
        EXPECT_EQ(describe(curve.back()), line(550, y_w(row[70])));
        expected_labels.push_back(r < 10 ? text(536, y_w(row[70]), std::to_string(10 * r)) : text(531, 2, "100"));
    }
    expected_labels.push_back(text(510, 2, "RH"));
    EXPECT_EQ(describe(texts_in(ops(), chart::chart_color::Red)), expected_labels);
}

TEST_F(Chart_Painter_Test, TLinesFollowTheSpacingRule) {
    struct Case {
        int half_span;
        int first_degree;
        int step;
        int last_degree;
    };
    const Case cases[] = {{10, 10, 1, 30}, {15, 5, 1, 35}, {20, 0, 2, 40}, {30, -10, 2, 50}, {35, -15, 5, 55}};
    t_lines = true;
    ah_lines = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.half_span);
        chart.Half_Span = c.half_span;
        draw();
        Texts expected_lines;
        Texts expected_labels;
        for (int T = c.first_degree; T <= c.last_degree; T += c.step) {
            const int x = x_u(static_cast<float>(T + 40));
            expected_lines.push_back(move(x, 480));
            expected_lines.push_back(line(x, y_w(chart.Sat_Y[T + 40])));
            expected_labels.push_back(text(x - 7, 483, std::to_string(T)));
        }
        const Ops lines = paths_in(ops(), chart::chart_color::Bright_Green);
        const Ops labels = texts_in(ops(), chart::chart_color::Bright_Green);
        EXPECT_EQ(describe(lines), expected_lines);
        ASSERT_EQ(labels.size(), expected_labels.size() + 1);
        EXPECT_EQ(describe(Ops(labels.begin(), labels.end() - 1)), expected_labels);
        EXPECT_EQ(describe(labels.back()), text(0, 481, "T"));
        EXPECT_EQ(labels.back().font.size, 10);
        EXPECT_EQ(labels.front().font.size, 8);
        for (const Canvas_Op& op : lines) EXPECT_EQ(op.pen.style, ui::Pen_Style::Dot);
        // Back to solid and size 8 for what follows.
        const Ops after = paths_in(ops(), chart::chart_color::Dark_Yellow);
        ASSERT_FALSE(after.empty());
        EXPECT_EQ(after.front().pen.style, ui::Pen_Style::Solid);
        EXPECT_EQ(texts_in(ops(), chart::chart_color::Yellow).front().font.size, 8);
    }
}

// AH and Pw: nine horizontal lines to the right edge, labelled in the band right of the plot.
TEST_F(Chart_Painter_Test, LevelLinesStartAtTheCurveOrTheLeftEdge) {
    struct Family {
        const char* name;
        bool& box;
        ui::Color pen;
        ui::Color font;
        std::array<float, Level_Count> Chart_Fields::*start_x;
        std::array<float, Level_Count> Chart_Fields::*level;
        int label_x;
        int label_dy;
        long double (*label_value)(const Chart_Fields&, int n);
        std::string caption;
    };
    const Family families[] = {
        {"AH", ah_lines, chart::chart_color::Dark_Yellow, chart::chart_color::Yellow, &Chart_Fields::AH_Start_X,
         &Chart_Fields::AH_Level, 556, 0,
         [](const Chart_Fields& c, int n) { return c.AH_Start_X[0] * 1000.0L * n * 0.1L; }, text(526, 17, "AH x0.001")},
        {"Pw", pw_lines, chart::chart_color::Mauve, chart::chart_color::Light_Pink, &Chart_Fields::Pw_Start_X,
         &Chart_Fields::Pw_Level, 550, -15,
         [](const Chart_Fields& c, int n) { return n * static_cast<long double>(c.Pw_Start_X[0]) * 0.1L; },
         text(555, 2, "Pw")},
    };
    for (const Family& family : families) {
        for (float tdb : {20.0f, -36.0f}) {
            SCOPED_TRACE(std::string(family.name) + " at " + std::to_string(tdb));
            ah_lines = false;
            family.box = true;
            set_state(tdb);
            draw();
            const auto& start_x = chart.*family.start_x;
            const auto& level = chart.*family.level;
            Texts expected_lines;
            Texts expected_labels;
            int from_left_edge = 0;
            for (int n = 1; n <= 9; ++n) {
                const int y = y_w(level[n]);
                const bool inside = start_x[n] > chart.Tmin_Index;
                from_left_edge += !inside;
                expected_lines.push_back(move(inside ? x_u(start_x[n]) : 0, y));
                expected_lines.push_back(line(550, y));
                expected_labels.push_back(
                    text(family.label_x, y + family.label_dy, numtext::format_general(family.label_value(chart, n))));
            }
            expected_labels.push_back(family.caption);
            // Both ways of starting are exercised.
            EXPECT_GE(from_left_edge, 1);
            EXPECT_LT(from_left_edge, 9);
            EXPECT_EQ(describe(paths_in(ops(), family.pen)), expected_lines);
            EXPECT_EQ(describe(texts_in(ops(), family.font)), expected_labels);
            family.box = false;
        }
    }
}

TEST_F(Chart_Painter_Test, LevelLineLabelsAreGeneralFormatTexts) {
    ah_lines = true;
    pw_lines = true;
    draw();
    // Tenths of the right edge's saturation values, 30 degree C: about 27.3 g/kg and 4.25 kPa.
    const Texts ah = strings_of(texts_in(ops(), chart::chart_color::Yellow));
    const Texts pw = strings_of(texts_in(ops(), chart::chart_color::Light_Pink));
    ASSERT_EQ(ah.size(), 10u);
    ASSERT_EQ(pw.size(), 10u);
    EXPECT_NEAR(std::strtod(ah[0].c_str(), nullptr), 2.73, 0.01);
    EXPECT_NEAR(std::strtod(ah[8].c_str(), nullptr), 9 * std::strtod(ah[0].c_str(), nullptr), 1e-9);
    EXPECT_NEAR(std::strtod(pw[0].c_str(), nullptr), 0.4247, 0.001);
    EXPECT_GT(ah[0].size(), 6u);  // written in full, the image edge cuts them
}

TEST_F(Chart_Painter_Test, LevelLineLabelsFollowThePressureAndTheAxis) {
    ah_lines = true;
    pw_lines = true;
    struct Step {
        float Patm;
        int half_span;
    };
    for (const Step step : {Step{101.325f, 10}, Step{90, 10}, Step{90, 20}, Step{101.325f, 10}}) {
        SCOPED_TRACE(std::to_string(step.Patm) + " kPa, Half_Span " + std::to_string(step.half_span));
        set_pressure(step.Patm);
        chart.Half_Span = step.half_span;
        draw();
        Texts ah, pw;
        for (int n = 1; n <= 9; ++n) {
            ah.push_back(numtext::format_general(chart.AH_Start_X[0] * 1000.0L * n * 0.1L));
            pw.push_back(numtext::format_general(n * static_cast<long double>(chart.Pw_Start_X[0]) * 0.1L));
        }
        ah.push_back("AH x0.001");
        pw.push_back("Pw");
        EXPECT_EQ(strings_of(texts_in(ops(), chart::chart_color::Yellow)), ah);
        EXPECT_EQ(strings_of(texts_in(ops(), chart::chart_color::Light_Pink)), pw);
    }
}

// H and SV: slanted lines from their end through the saturation point up to the guide line.
TEST_F(Chart_Painter_Test, SlantLinesReachTheGuideLine) {
    struct Family {
        const char* name;
        bool& box;
        ui::Color pen;
        ui::Color font;
        const std::array<float, Line_Count>& start_x;
        const std::array<float, Line_Count>& start_y;
        const std::array<float, Line_Count>& end_x;
        const std::array<float, Line_Count>& end_y;
        float (*saturation_value)(float Patm, float T);
        int label_dx;
        int label_dy;
    };
    const Family families[] = {
        {"H", h_lines, chart::chart_color::Brown, chart::chart_color::Light_Orange, chart.H_Start_X, chart.H_Start_Y,
         chart.H_End_X, chart.H_End_Y,
         [](float Patm, float T) {
             return Calc_Property(Kind_H, T, Calc_Property(Kind_AH, Patm, Calc_Property(Kind_Pws, T)));
         },
         0, 0},
        {"SV", sv_lines, chart::chart_color::Gray, chart::chart_color::Silver, chart.SV_Start_X, chart.SV_Start_Y,
         chart.SV_End_X, chart.SV_End_Y,
         [](float Patm, float T) {
             return Calc_Property(Kind_SV, Patm, T, Calc_Property(Kind_AH, Patm, Calc_Property(Kind_Pws, T)));
         },
         -31, -11},
    };
    struct Spacing {
        int half_span;
        int every;
    };
    h_lines = true;
    sv_lines = true;
    for (const float Patm : {101.325f, 90.0f})
        for (const Spacing spacing : {Spacing{10, 1}, Spacing{20, 2}, Spacing{35, 5}}) {
            set_pressure(Patm);
            chart.Half_Span = spacing.half_span;
            draw();
            const float y0 = static_cast<float>(430 - chart.H_Start_Y[chart.Tmin_Index] * 1.0L * chart.Y_Scale);
            const float g = static_cast<float>(-y0 * 0.002L);
            for (const Family& family : families) {
                SCOPED_TRACE(std::string(family.name) + ", Half_Span " + std::to_string(spacing.half_span) + ", " +
                             std::to_string(Patm) + " kPa");
                std::vector<int> expected_indexes;
                int left_of_axis = 0;
                for (int i = 0; i < chart.Tmax_Index; ++i) {
                    if (family.end_x[i] <= chart.Tmin_Index) ++left_of_axis;
                    else if (i % spacing.every == 0) expected_indexes.push_back(i);
                }
                EXPECT_GT(left_of_axis, 0);
                const Ops lines = paths_in(ops(), family.pen);
                const Ops labels = texts_in(ops(), family.font);
                ASSERT_EQ(lines.size(), 4 * expected_indexes.size());
                ASSERT_EQ(labels.size(), expected_indexes.size());
                for (std::size_t k = 0; k < expected_indexes.size(); ++k) {
                    const int i = expected_indexes[k];
                    SCOPED_TRACE(i);
                    const Canvas_Op& from = lines[4 * k];
                    const Canvas_Op& to = lines[4 * k + 1];
                    ASSERT_EQ(from.kind, Canvas_Op_Kind::Move_To);
                    EXPECT_NEAR(from.x1, x_u(family.end_x[i]), 1);
                    EXPECT_NEAR(from.y1, y_w(family.end_y[i]), 1);
                    // P lies on the guide, and the saturation point on the way from E to P.
                    const int Px = to.x2, Py = to.y2;
                    EXPECT_NEAR(Py, y0 + g * Px, 2);
                    const double Sx = x_u(family.start_x[i]), Sy = y_w(family.start_y[i]);
                    const double length = std::hypot(Px - from.x1, Py - from.y1);
                    const double cross = (Px - from.x1) * (Sy - from.y1) - (Py - from.y1) * (Sx - from.x1);
                    const double off_line = std::abs(cross) / length;
                    EXPECT_LE(off_line, 2);
                    // A line that starts left of the axis may meet the guide before its saturation point.
                    if (family.start_x[i] >= chart.Tmin_Index) {
                        EXPECT_LE(std::hypot(Sx - from.x1, Sy - from.y1), length + 1);
                    }
                    const float saturation_value = family.saturation_value(state.Patm, static_cast<float>(i - 40));
                    const std::string label = numtext::format_general(saturation_value).substr(0, 6);
                    EXPECT_EQ(describe(labels[k]), text(Px + family.label_dx, Py + family.label_dy, label));
                    // The guide line, again after each line.
                    EXPECT_EQ(describe(lines[4 * k + 2]), move(500, 0));
                    EXPECT_EQ(describe(lines[4 * k + 3]), line(0, static_cast<int>(y0)));
                    EXPECT_EQ(to.pen, (ui::Pen{family.pen, 1, ui::Pen_Style::Solid}));
                }
            }
            // The SV family comes last: its guide line closes the families.
            const Ops all_paths = select(ops(), is_path);
            EXPECT_EQ(all_paths.back().pen.color, chart::chart_color::Gray);
        }
}

TEST_F(Chart_Painter_Test, SlantLabelsAreSixCharactersOfTheSaturationValue) {
    h_lines = true;
    sv_lines = true;
    draw();
    // Saturation at 29 degree C (the last line before the right edge): about 94.9 kJ/kg and 0.891 m3/kg.
    const Texts h = strings_of(texts_in(ops(), chart::chart_color::Light_Orange));
    const Texts sv = strings_of(texts_in(ops(), chart::chart_color::Silver));
    ASSERT_FALSE(h.empty());
    ASSERT_FALSE(sv.empty());
    EXPECT_EQ(h.back().substr(0, 3), "94.");
    EXPECT_EQ(h.back().size(), 6u);
    EXPECT_EQ(sv.back().substr(0, 4), "0.89");
    EXPECT_EQ(sv.back().size(), 6u);
}

// ---- Markers ----

TEST_F(Chart_Painter_Test, MarkersOfEachMode) {
    struct Case {
        int mode;
        int chart_mode_after;
        Texts labels;
    };
    const Case cases[] = {
        {Mode_State, Mode_State, {"Tdb", "Tdp", "Twb"}},
        {Mode_Process, Mode_Process, {"State 1", "State 2"}},
        {Mode_Pad, Mode_Pad, {"Outdoor", "AfterPad", "100%"}},
        {Mode_VPD, Mode_VPD, {"Air", "Leaf"}},
        {4, Mode_Pad, {}},
        {-1, Mode_Pad, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        chart.Chart_Mode = Mode_Pad;
        draw(c.mode);
        const Ops markers = marker_ops();
        EXPECT_EQ(describe(markers), expected_markers(c.mode));
        EXPECT_EQ(strings_of(select(markers, is_text)), c.labels);
        EXPECT_EQ(chart.Chart_Mode, c.chart_mode_after);
        for (const Canvas_Op& op : markers) {
            EXPECT_EQ(op.pen, (ui::Pen{chart::chart_color::Sky_Blue, 2, ui::Pen_Style::Solid}));
            EXPECT_EQ(op.brush, (ui::Brush{chart::chart_color::Navy, ui::Brush_Style::Solid}));
            EXPECT_EQ(op.font.color, chart::chart_color::White);
            EXPECT_EQ(op.font.size, 8);
        }
        // The markers come last.
        EXPECT_TRUE(markers.empty() || describe(markers.back()) == describe(ops().back()));
    }
}

TEST_F(Chart_Painter_Test, StateMarkersAtHandCheckedPlaces) {
    draw(Mode_State);
    const Ops markers = marker_ops();
    ASSERT_EQ(markers.size(), 14u);
    // Tdb 20 on the axis 10..30 lies at x 275; its vertical line rises from the bottom axis.
    EXPECT_EQ(markers[0].x1, 272);
    EXPECT_EQ(describe(markers[2]), move(275, 480));
    // The dew point at the state's height, left of the axis (about 9.3 degree C), with its line to the right edge.
    EXPECT_EQ(markers[4].y1, markers[0].y1 + 3);
    EXPECT_LT(markers[4].x1, 0);
    EXPECT_EQ(markers[6].x2, 550);
    EXPECT_EQ(markers[6].y2, markers[4].y1);
}

TEST_F(Chart_Painter_Test, MarkersFromTheSheetTextsAsShown) {
    draw(Mode_Process);
    const Ops markers = marker_ops();
    ASSERT_EQ(markers.size(), 4u);
    // "25" maps to 15 x 27.5 = 412.5, truncated.
    EXPECT_EQ(describe(markers[0]), dot(412, y_w(0.01f)));
    EXPECT_EQ(describe(markers[1]), text(387, y_w(0.01f) + 5, "State 1"));
    EXPECT_EQ(describe(markers[2]), dot(550, y_w(0.012f)));
}

// A refused entry stays in its field as typed; a far-off point it gives is still drawn safely.
TEST_F(Chart_Painter_Test, AFarOffMarkerIsHeldWithinTheSafePixelRange) {
    vpd_tdb2 = "2599999999999";
    draw(Mode_VPD);
    const Ops markers = marker_ops();
    const auto leaf = std::find_if(markers.rbegin(), markers.rend(),
                                   [](const ui::Canvas_Op& op) { return op.kind == ui::Canvas_Op_Kind::Ellipse; });
    ASSERT_NE(leaf, markers.rend());
    EXPECT_EQ(leaf->x1, (1 << 24) - 3) << "the Leaf point's box around the held x";
}

TEST_F(Chart_Painter_Test, ConversionErrorKeepsWhatWasDrawn) {
    struct Case {
        int mode;
        std::string& text;
        const char* bad_text;
        std::size_t kept_ops;
    };
    const Case cases[] = {
        {Mode_Process, process_tdb1, "", 0}, {Mode_Process, process_ah2, "", 2},  // the State 1 point
        {Mode_Pad, pad_ah2, "abc", 4},                                            // the Outdoor point with its line
        {Mode_Pad, pad_tdb2, "", 4},         {Mode_VPD, vpd_tdb2, "", 4},         // the Air point with its line
        {Mode_VPD, vpd_ah2, "1,5", 4},
    };
    h_lines = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + " '" + c.bad_text + "'");
        const Texts full = expected_markers(c.mode);
        const std::string good_text = c.text;
        c.text = c.bad_text;
        chart.Chart_Mode = Mode_State;
        const int shown = changes.count;
        EXPECT_THROW(draw(c.mode), numtext::Convert_Error);
        EXPECT_EQ(describe(marker_ops()), Texts(full.begin(), full.begin() + static_cast<long>(c.kept_ops)));
        EXPECT_EQ(chart.Chart_Mode, c.mode);
        EXPECT_EQ(image.canvas().pen.width, 1);
        EXPECT_EQ(changes.count, shown + 1);
        // The families were drawn before the markers and stay.
        EXPECT_FALSE(paths_in(ops(), chart::chart_color::Brown).empty());

        // The next drawing's lines are one pixel wide again.
        c.text = good_text;
        draw(Mode_State);
        for (const Canvas_Op& op : paths_in(ops(), chart::chart_color::Silver)) EXPECT_EQ(op.pen.width, 1);
        for (const Canvas_Op& op : paths_in(ops(), chart::chart_color::Brown)) EXPECT_EQ(op.pen.width, 1);
    }
}

TEST_F(Chart_Painter_Test, AStoppedDrawingStillReportsTheCutAxis) {
    chart.Half_Span = 60;
    process_tdb1 = "";
    outcome = painter.Draw_Chart(inputs, image, chart, state, Mode_Process);
    EXPECT_TRUE(outcome.disable_zoom_out);
    ASSERT_TRUE(outcome.stopped_by);
    EXPECT_THROW(std::rethrow_exception(outcome.stopped_by), numtext::Convert_Error);
}

TEST_F(Chart_Painter_Test, ConversionErrorReachesTheExceptionBox) {
    process_ah2 = "";
    app.dispatch([this] { draw(Mode_Process); });
    ASSERT_EQ(front_end.boxes.size(), 1u);
    EXPECT_EQ(front_end.boxes[0].text, ui::exception_box_text("'' is not a valid floating point value"));
    EXPECT_EQ(strings_of(select(marker_ops(), is_text)), Texts{"State 1"});
}

}  // namespace
