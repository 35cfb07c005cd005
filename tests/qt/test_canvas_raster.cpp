#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/canvas.h"
#include "ui/qt/canvas_raster.h"
#include "ui/qt/fonts.h"

namespace {

constexpr ui::Color pen_color = ui::rgb(200, 30, 10);
constexpr ui::Color brush_color = ui::rgb(10, 40, 160);
constexpr QRgb pen_pixel = qRgb(200, 30, 10);
constexpr QRgb brush_pixel = qRgb(10, 40, 160);
constexpr QRgb background = qRgb(255, 255, 255);

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

// The image as rows of characters: '.' background, 'P' pen, 'B' brush, '?' anything else.
std::vector<std::string> art_of(const QImage& image) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string& row = rows.emplace_back();
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            row += pixel == background ? '.' : pixel == pen_pixel ? 'P' : pixel == brush_pixel ? 'B' : '?';
        }
    }
    return rows;
}

// A drawing on a white image of the size of its expected art, pen and brush in the test colours,
// at a device pixel ratio: the art is in device pixels.
struct Drawing_Case {
    const char* name;
    std::function<void(ui::Canvas&)> draw;
    std::vector<std::string> art;
    double ratio = 1;
};

void expect_drawn_as(const Drawing_Case& c) {
    ui::Canvas canvas;
    canvas.pen.color = pen_color;
    canvas.brush.color = brush_color;
    c.draw(canvas);
    QImage image = blank(static_cast<int>(c.art.front().size()), static_cast<int>(c.art.size()));
    ui::qt::rasterise(canvas, image, c.ratio);
    EXPECT_EQ(art_of(image), c.art) << c.name << " at ratio " << c.ratio;
}

std::function<void(ui::Canvas&)> line(int x1, int y1, int x2, int y2, int width = 1,
                                      ui::Pen_Style style = ui::Pen_Style::Solid) {
    return [=](ui::Canvas& canvas) {
        canvas.pen.width = width;
        canvas.pen.style = style;
        canvas.move_to(x1, y1);
        canvas.line_to(x2, y2);
    };
}

TEST(Canvas_Raster, LinesLeaveOutTheirEndPixelAndStepOnePixelAtATime) {
    const Drawing_Case cases[] = {
        {"rightwards", line(1, 2, 6, 2), {"........", "........", ".PPPPP..", "........"}},
        {"leftwards", line(6, 2, 1, 2), {"........", "........", "..PPPPP.", "........"}},
        {"downwards", line(3, 0, 3, 3), {"...P....", "...P....", "...P....", "........"}},
        {"upwards", line(3, 3, 3, 0), {"........", "...P....", "...P....", "...P...."}},
        {"diagonal", line(0, 0, 4, 4), {"P....", ".P...", "..P..", "...P.", "....."}},
        {"anti-diagonal", line(4, 0, 0, 4), {"....P", "...P.", "..P..", ".P...", "....."}},
        {"flat", line(0, 0, 5, 2), {"PP....", "..PP..", "....P.", "......"}},
        // Exactly half a pixel off at steps 1 and 3: the start's side wins.
        {"flat with halves", line(0, 0, 4, 2), {"PP...", "..PP.", ".....", "....."}},
        {"steep", line(1, 0, 3, 5), {".P..", ".P..", "..P.", "..P.", "...P", "...."}},
        {"no length", line(2, 2, 2, 2), {".....", ".....", ".....", "....."}},
        {"polyline",
         [](ui::Canvas& canvas) {
             canvas.move_to(1, 1);
             canvas.line_to(4, 1);
             canvas.line_to(4, 4);
         },
         {"......", ".PPPP.", "....P.", "....P.", "......"}},
    };
    for (const Drawing_Case& c : cases) expect_drawn_as(c);
}

TEST(Canvas_Raster, WidePensAddNeighboursAcrossTheMajorAxis) {
    const Drawing_Case cases[] = {
        {"flat, width 2", line(1, 1, 5, 1, 2), {"......", ".PPPP.", ".PPPP.", "......"}},
        {"steep, width 2", line(2, 1, 2, 4, 2), {".....", "..PP.", "..PP.", "..PP.", "....."}},
        {"diagonal, width 2", line(0, 0, 3, 3, 2), {"P...", "PP..", ".PP.", "..P."}},
        {"flat, width 3", line(1, 2, 5, 2, 3), {"......", ".PPPP.", ".PPPP.", ".PPPP.", "......"}},
        {"dotted, width 2, is solid", line(0, 1, 4, 1, 2, ui::Pen_Style::Dot), {".....", "PPPP.", "PPPP.", "....."}},
    };
    for (const Drawing_Case& c : cases) expect_drawn_as(c);
}

TEST(Canvas_Raster, DottedLinesDrawEveryOtherPixelFromTheirStart) {
    const Drawing_Case cases[] = {
        {"rightwards", line(0, 1, 7, 1, 1, ui::Pen_Style::Dot), {"........", "P.P.P.P.", "........"}},
        {"flat, leftwards",
         line(6, 4, 0, 1, 1, ui::Pen_Style::Dot),
         {".......", ".......", "..P....", "....P..", "......P"}},
        {"each line starts its dots anew",
         [](ui::Canvas& canvas) {
             canvas.pen.style = ui::Pen_Style::Dot;
             canvas.move_to(0, 1);
             canvas.line_to(3, 1);
             canvas.line_to(8, 1);
         },
         {".........", "P.PP.P.P.", "........."}},
    };
    for (const Drawing_Case& c : cases) expect_drawn_as(c);
}

// At ratio 2 a pen of 1 is 2 device pixels wide, so lines along the axes and figures cover exactly
// the doubled pixels of their 1x drawing, while a slanted line steps one device pixel at a time.
TEST(Canvas_Raster, AtADevicePixelRatioTheRecordIsDrawnAtTheDevicesResolution) {
    const std::vector<std::string> doubled_line{"........", "........", "PPPPPP..", "PPPPPP.."};
    const Drawing_Case cases[] = {
        {"flat at 2", line(0, 1, 3, 1), doubled_line, 2},
        {"steep at 2", line(1, 0, 1, 3), {"..PP", "..PP", "..PP", "..PP", "..PP", "..PP", "....", "...."}, 2},
        {"polyline at 2",
         [](ui::Canvas& canvas) {
             canvas.move_to(1, 1);
             canvas.line_to(4, 1);
             canvas.line_to(4, 4);
         },
         {"..........", "..........", "..PPPPPPPP", "..PPPPPPPP", "........PP", "........PP", "........PP",
          "........PP", "..........", ".........."},
         2},
        {"diagonal at 2", line(0, 0, 3, 3), {"P.....", "PP....", ".PP...", "..PP..", "...PP.", "....PP", ".....P"}, 2},
        {"dots and gaps of 2 at 2", line(0, 0, 4, 0, 1, ui::Pen_Style::Dot), {"PP..PP..", "PP..PP.."}, 2},
        // Record pixels 0..3 cover device pixels 0..5; the pen is round(1.5) = 2 wide.
        {"flat at 1.5", line(0, 1, 4, 1), {".......", "PPPPPP.", "PPPPPP.", "......."}, 1.5},
        {"dots and gaps of 2 at 1.5", line(0, 0, 4, 0, 1, ui::Pen_Style::Dot), {"PP..PP", "PP..PP"}, 1.5},
        {"far ends at 2", line(INT_MIN, INT_MIN, INT_MAX, INT_MAX), {"P...", "PP..", ".PP.", "..PP"}, 2},
        {"filled box at 2",
         [](ui::Canvas& canvas) { canvas.rectangle(0, 0, 4, 3); },
         {"PPPPPPPP.", "PPPPPPPP.", "PPBBBBPP.", "PPBBBBPP.", "PPPPPPPP.", "PPPPPPPP.", "........."},
         2},
    };
    for (const Drawing_Case& c : cases) expect_drawn_as(c);
}

TEST(Canvas_Raster, LinesFarOutsideDrawOnlyTheirPixelsOnTheImage) {
    const std::vector<std::string> nothing(8, "........");
    const std::vector<std::string> diagonal = {"P.......", ".P......", "..P.....", "...P....",
                                               "....P...", ".....P..", "......P.", ".......P"};
    const std::vector<std::string> anti_diagonal = {".......P", "......P.", ".....P..", "....P...",
                                                    "...P....", "..P.....", ".P......", "P......."};
    const std::vector<std::string> row_3 = {"........", "........", "........", "PPPPPPPP",
                                            "........", "........", "........", "........"};
    const std::vector<std::string> rows_3_and_4 = {"........", "........", "........", "PPPPPPPP",
                                                   "PPPPPPPP", "........", "........", "........"};
    const std::vector<std::string> column_3(8, "...P....");
    const Drawing_Case cases[] = {
        {"the brief's diagonal", line(-100000, -100000, 100000, 100000), diagonal},
        {"corner to corner of the int range", line(INT_MIN, INT_MIN, INT_MAX, INT_MAX), diagonal},
        {"across through x + y = 7", line(-100000, 100007, 100000, -99993), anti_diagonal},
        {"across through x + y = -1", line(INT_MAX, INT_MIN, INT_MIN, INT_MAX), nothing},
        {"the whole row", line(INT_MIN, 3, INT_MAX, 3), row_3},
        {"the whole row, width 2", line(INT_MIN, 3, INT_MAX, 3, 2), rows_3_and_4},
        {"the whole column, upwards", line(3, INT_MAX, 3, INT_MIN), column_3},
        {"below the int range's bottom, width 2", line(INT_MIN, INT_MAX, INT_MAX, INT_MAX, 2), nothing},
        {"rising 8 over 2,000,000",
         line(-1000000, 0, 1000000, 8),
         {"........", "........", "........", "........", "PPPPPPPP", "........", "........", "........"}},
        {"beside the image", line(-100000, 50, 100000, 60), nothing},
        {"a wild pen width", line(-5, -5, -1, -1, INT_MAX), nothing},
    };
    for (const Drawing_Case& c : cases) expect_drawn_as(c);
}

// A line cut by the image's edges keeps exactly the pixels it has when it lies wholly on a larger
// image: each line is drawn on a small image and, moved by an offset, on a large one.
TEST(Canvas_Raster, CuttingALineAtTheEdgesKeepsItsPixels) {
    struct Pen_Case {
        int width;
        ui::Pen_Style style;
    };
    const Pen_Case pens[] = {
        {1, ui::Pen_Style::Solid}, {1, ui::Pen_Style::Dot}, {2, ui::Pen_Style::Solid}, {3, ui::Pen_Style::Solid}};
    constexpr int offset = 50;
    std::uint32_t seed = 12345;
    const auto next_coordinate = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % 101) - 40;  // -40..60 around a 20 x 16 image
    };
    for (int n = 0; n < 300; ++n) {
        const int x1 = next_coordinate(), y1 = next_coordinate(), x2 = next_coordinate(), y2 = next_coordinate();
        for (const Pen_Case& pen : pens) {
            ui::Canvas near, far;
            for (ui::Canvas* canvas : {&near, &far}) {
                canvas->pen.color = pen_color;
                canvas->pen.width = pen.width;
                canvas->pen.style = pen.style;
            }
            near.move_to(x1, y1);
            near.line_to(x2, y2);
            far.move_to(x1 + offset, y1 + offset);
            far.line_to(x2 + offset, y2 + offset);
            QImage small = blank(20, 16);
            QImage large = blank(offset + 70, offset + 70);
            ui::qt::rasterise(near, small);
            ui::qt::rasterise(far, large);
            ASSERT_EQ(art_of(small), art_of(large.copy(offset, offset, 20, 16)))
                << "(" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ") width " << pen.width
                << (pen.style == ui::Pen_Style::Dot ? " dotted" : "");
        }
    }
}

std::function<void(ui::Canvas&)> figure(ui::Canvas_Op_Kind kind, int x1, int y1, int x2, int y2, int pen_width,
                                        ui::Brush_Style brush, int corner_width = 0, int corner_height = 0) {
    return [=](ui::Canvas& canvas) {
        canvas.pen.width = pen_width;
        canvas.brush.style = brush;
        switch (kind) {
        case ui::Canvas_Op_Kind::Rectangle: canvas.rectangle(x1, y1, x2, y2); break;
        case ui::Canvas_Op_Kind::Ellipse: canvas.ellipse(x1, y1, x2, y2); break;
        default: canvas.round_rect(x1, y1, x2, y2, corner_width, corner_height); break;
        }
    };
}

TEST(Canvas_Raster, FiguresCoverTheirBoxWithoutItsRightAndBottomEdges) {
    using K = ui::Canvas_Op_Kind;
    constexpr auto solid = ui::Brush_Style::Solid;
    constexpr auto clear = ui::Brush_Style::Clear;
    const std::vector<std::string> filled_rectangle = {"........", ".PPPPP..", ".PBBBP..",
                                                       ".PBBBP..", ".PPPPP..", "........"};
    const std::vector<std::string> filled_ellipse = {"..........", "...PPPP...", "..PBBBBP..", ".PBBBBBBP.",
                                                     ".PBBBBBBP.", "..PBBBBP..", "...PPPP...", ".........."};
    const std::vector<std::string> nothing(6, "........");
    const Drawing_Case cases[] = {
        {"rectangle, solid brush", figure(K::Rectangle, 1, 1, 6, 5, 1, solid), filled_rectangle},
        {"rectangle, clear brush",
         figure(K::Rectangle, 1, 1, 6, 5, 1, clear),
         {"........", ".PPPPP..", ".P...P..", ".P...P..", ".PPPPP..", "........"}},
        {"rectangle, corners swapped", figure(K::Rectangle, 6, 5, 1, 1, 1, solid), filled_rectangle},
        {"rectangle, pen 2 inside the box",
         figure(K::Rectangle, 1, 1, 7, 6, 2, clear),
         {"........", ".PPPPPP.", ".PPPPPP.", ".PP..PP.", ".PPPPPP.", ".PPPPPP.", "........"}},
        {"rectangle without width", figure(K::Rectangle, 3, 1, 3, 5, 1, solid), nothing},
        {"rectangle without height", figure(K::Rectangle, 1, 3, 6, 3, 1, solid), nothing},
        {"rectangle over the whole image",
         figure(K::Rectangle, -100000, -100000, 100000, 100000, 1, solid),
         {"BBBB", "BBBB", "BBBB"}},
        {"ellipse, pen 1", figure(K::Ellipse, 1, 1, 9, 7, 1, solid), filled_ellipse},
        {"marker: 6 x 6, pen 2",
         figure(K::Ellipse, 4 - 3, 4 - 3, 4 + 3, 4 + 3, 2, solid),
         {"........", "..PPPP..", ".PPPPPP.", ".PPBBPP.", ".PPBBPP.", ".PPPPPP.", "..PPPP..", "........"}},
        {"marker cut by the image's corner",
         figure(K::Ellipse, -3, -3, 3, 3, 2, solid),
         {"BPP.....", "PPP.....", "PP......", "........"}},
        {"circle 12 x 12, pen 3",
         figure(K::Ellipse, 0, 0, 12, 12, 3, clear),
         {"....PPPP.....", "..PPPPPPPP...", ".PPPPPPPPPP..", ".PPP....PPP..", "PPP......PPP.", "PPP......PPP.",
          "PPP......PPP.", "PPP......PPP.", ".PPP....PPP..", ".PPPPPPPPPP..", "..PPPPPPPP...", "....PPPP.....",
          "............."}},
        {"ellipse 14 x 8, pen 2",
         figure(K::Ellipse, 0, 0, 14, 8, 2, solid),
         {"....PPPPPP.....", "..PPPPPPPPPP...", ".PPPBBBBBBPPP..", "PPBBBBBBBBBBPP.", "PPBBBBBBBBBBPP.",
          ".PPPBBBBBBPPP..", "..PPPPPPPPPP...", "....PPPPPP.....", "..............."}},
        {"ellipse over the whole int range",
         figure(K::Ellipse, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1, solid),
         {"BBBB", "BBBB", "BBBB"}},
        {"rounded rectangle, corners 4 x 4, clear brush",
         figure(K::Round_Rect, 1, 1, 9, 7, 1, clear, 4, 4),
         {"..........", "..PPPPPP..", ".P......P.", ".P......P.", ".P......P.", ".P......P.", "..PPPPPP..",
          ".........."}},
        {"rounded rectangle, corners 8 x 6, pen 2",
         figure(K::Round_Rect, 0, 0, 14, 10, 2, solid, 8, 6),
         {"..PPPPPPPPPP...", ".PPPPPPPPPPPP..", "PPBBBBBBBBBBPP.", "PPBBBBBBBBBBPP.", "PPBBBBBBBBBBPP.",
          "PPBBBBBBBBBBPP.", "PPBBBBBBBBBBPP.", "PPBBBBBBBBBBPP.", ".PPPPPPPPPPPP..", "..PPPPPPPPPP...",
          "..............."}},
        {"rounded rectangle, corners beyond the box", figure(K::Round_Rect, 1, 1, 9, 7, 1, solid, 100, 100),
         filled_ellipse},
        {"rounded rectangle, no corners", figure(K::Round_Rect, 1, 1, 6, 5, 1, solid, 0, 0), filled_rectangle},
    };
    for (const Drawing_Case& c : cases) expect_drawn_as(c);
}

TEST(Canvas_Raster, EachOperationDrawsOverTheEarlierOnes) {
    expect_drawn_as({"a filled box, a line across it, an empty box around it",
                     [](ui::Canvas& canvas) {
                         canvas.rectangle(1, 1, 7, 5);
                         canvas.pen.color = brush_color;
                         canvas.move_to(0, 3);
                         canvas.line_to(8, 3);
                         canvas.pen.color = pen_color;
                         canvas.brush.style = ui::Brush_Style::Clear;
                         canvas.rectangle(0, 0, 8, 6);
                     },
                     {"PPPPPPPP", "PPPPPPPP", "PPBBBBPP", "PBBBBBBP", "PPPPPPPP", "PPPPPPPP"}});
}

class Canvas_Raster_Text : public ::testing::Test {
protected:
    static constexpr ui::Color ink_color = ui::rgb(0, 160, 0);
    static constexpr QRgb ink_pixel = qRgb(0, 160, 0);

    Canvas_Raster_Text() {
        ui::qt::install_font_substitutions();
        canvas.brush.color = brush_color;
        canvas.font.color = ink_color;
        canvas.font.size = 10;
        const QFontMetrics metrics(ui::qt::to_qfont(canvas.font));
        cell_width = metrics.horizontalAdvance("Tdb");
        cell_height = metrics.height();
    }

    QImage written_at(int x, int y, ui::Brush_Style brush) {
        canvas.brush.style = brush;
        canvas.text_out(x, y, "Tdb");
        QImage image = blank(60, 40);
        ui::qt::rasterise(canvas, image);
        return image;
    }

    // Rows that hold any pixel of neither the background nor the brush: the glyphs.
    static std::vector<int> inked_rows(const QImage& image) {
        std::vector<int> rows;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (pixel == background || pixel == brush_pixel) continue;
                rows.push_back(y);
                break;
            }
        return rows;
    }

    ui::Canvas canvas;
    int cell_width = 0;
    int cell_height = 0;
};

TEST_F(Canvas_Raster_Text, ASolidBrushFillsTheCellFromItsTopLeftCorner) {
    const QImage image = written_at(10, 8, ui::Brush_Style::Solid);
    const int right = 10 + cell_width - 1, bottom = 8 + cell_height - 1;
    struct Probe {
        int x, y;
        QRgb expected;
    };
    const Probe probes[] = {
        {10, 8, brush_pixel}, {right, 8, brush_pixel}, {10, bottom, brush_pixel},  {right, bottom, brush_pixel},
        {9, 8, background},   {10, 7, background},     {right + 1, 8, background}, {10, bottom + 1, background},
    };
    for (const Probe& p : probes) EXPECT_EQ(image.pixel(p.x, p.y), p.expected) << p.x << "," << p.y;
    const std::vector<int> rows = inked_rows(image);
    ASSERT_FALSE(rows.empty());
    EXPECT_GE(rows.front(), 8);
    EXPECT_LE(rows.back(), bottom);
}

TEST_F(Canvas_Raster_Text, AClearBrushLeavesWhatIsBehindTheGlyphs) {
    const QImage image = written_at(10, 8, ui::Brush_Style::Clear);
    EXPECT_EQ(image.pixel(10, 8), background);
    EXPECT_EQ(image.pixel(10 + cell_width - 1, 8 + cell_height - 1), background);
    const std::vector<int> rows = inked_rows(image);
    ASSERT_FALSE(rows.empty());
    // The glyphs hang from the cell's top, not from a baseline at y.
    EXPECT_GE(rows.front(), 8);
    EXPECT_LE(rows.back(), 8 + cell_height - 1);
    bool in_ink_color = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) in_ink_color = in_ink_color || image.pixel(x, y) == ink_pixel;
    EXPECT_TRUE(in_ink_color);
}

// A raster keeps each text's layout for later drawings; one in another font is laid out anew.
TEST_F(Canvas_Raster_Text, TheSameTextInAnotherFontFillsACellOfThatFont) {
    ui::qt::Canvas_Raster kept;
    QImage image = blank(80, 40);
    canvas.brush.style = ui::Brush_Style::Solid;
    for (const int size : {10, 16, 10}) {
        SCOPED_TRACE(size);
        canvas.clear();
        canvas.font.size = size;
        canvas.text_out(0, 0, "Tdb");
        image.fill(background);
        kept.draw(canvas, image);
        const QFontMetrics metrics(ui::qt::to_qfont(canvas.font));
        const int right = metrics.horizontalAdvance("Tdb") - 1, bottom = metrics.height() - 1;
        EXPECT_EQ(image.pixel(right, bottom), brush_pixel);
        EXPECT_EQ(image.pixel(right + 1, bottom), background);
        EXPECT_EQ(image.pixel(right, bottom + 1), background);
    }
}

// At ratio 2 the text is laid out in its font at twice the size: the cell is that font's, and the
// glyphs are drawn at the device's resolution, not the 1x glyphs with each pixel doubled.
TEST_F(Canvas_Raster_Text, AtRatioTwoATextIsWrittenInItsFontAtTwiceTheSize) {
    canvas.brush.style = ui::Brush_Style::Solid;
    canvas.text_out(3, 2, "Tdb");
    QImage at_one = blank(40, 20);
    ui::qt::rasterise(canvas, at_one);
    QImage at_two = blank(80, 40);
    ui::qt::rasterise(canvas, at_two, 2);

    QFont twice = ui::qt::to_qfont(canvas.font);
    twice.setPixelSize(2 * twice.pixelSize());
    const QFontMetrics metrics(twice);
    const int right = 6 + metrics.horizontalAdvance("Tdb") - 1, bottom = 4 + metrics.height() - 1;
    EXPECT_EQ(at_two.pixel(6, 4), brush_pixel);
    EXPECT_EQ(at_two.pixel(right, bottom), brush_pixel);
    EXPECT_EQ(at_two.pixel(5, 4), background);
    EXPECT_EQ(at_two.pixel(right + 1, bottom), background);
    EXPECT_EQ(at_two.pixel(right, bottom + 1), background);

    const std::vector<int> rows = inked_rows(at_two);
    ASSERT_FALSE(rows.empty());
    EXPECT_GE(rows.front(), 4);
    EXPECT_LE(rows.back(), bottom);
    EXPECT_NE(at_two, at_one.scaled(80, 40, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

TEST_F(Canvas_Raster_Text, ATextPastTheRightEdgeIsCutOff) {
    const QImage image = written_at(57, 8, ui::Brush_Style::Solid);
    EXPECT_EQ(image.pixel(56, 8), background);
    EXPECT_EQ(image.pixel(57, 8), brush_pixel);
    EXPECT_EQ(image.pixel(59, 8 + cell_height - 1), brush_pixel);
}

TEST_F(Canvas_Raster_Text, TextsWhollyOffTheImageOrEmptyDrawNothing) {
    canvas.brush.style = ui::Brush_Style::Solid;
    struct Place {
        int x, y;
    };
    const Place places[] = {{INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}, {INT_MIN, 5}, {INT_MAX, 5},
                            {5, INT_MAX},       {5, INT_MIN},       {0, 40},      {60, 0}};
    for (const Place& place : places) canvas.text_out(place.x, place.y, "Tdb");
    canvas.text_out(-cell_width, 5, "Tdb");
    canvas.text_out(5, -cell_height, "Tdb");
    canvas.text_out(5, 5, "");
    QImage image = blank(60, 40);
    ui::qt::rasterise(canvas, image);
    EXPECT_EQ(image, blank(60, 40));
}

std::shared_ptr<const std::vector<std::uint8_t>> three_by_three() {
    // Blue, green and red bytes of pixel (c, r): 10 r + c, 100 + 10 r + c, 200 + 10 r + c.
    auto bytes = std::make_shared<std::vector<std::uint8_t>>();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            bytes->insert(bytes->end(),
                          {static_cast<std::uint8_t>(10 * r + c), static_cast<std::uint8_t>(100 + 10 * r + c),
                           static_cast<std::uint8_t>(200 + 10 * r + c)});
    return bytes;
}

QRgb picture_pixel(int c, int r) { return qRgb(200 + 10 * r + c, 100 + 10 * r + c, 10 * r + c); }

TEST(Canvas_Raster, ABitmapOverTheEdgesKeepsThePixelsOnTheImage) {
    struct Case {
        const char* name;
        int x, y;
        // Image pixel -> picture pixel, for every image pixel the picture covers.
        std::vector<std::pair<QPoint, QPoint>> covered;
    };
    const Case cases[] = {
        {"over the top left corner", -1, -1, {{{0, 0}, {1, 1}}, {{1, 0}, {2, 1}}, {{0, 1}, {1, 2}}, {{1, 1}, {2, 2}}}},
        {"over the bottom right corner", 3, 3, {{{3, 3}, {0, 0}}}},
        {"far right", INT_MAX - 1, 0, {}},
        {"far above", 0, INT_MIN, {}},
        {"far below and left", INT_MIN, INT_MAX, {}},
    };
    for (const Case& c : cases) {
        ui::Canvas canvas;
        canvas.draw_bitmap(c.x, c.y, 3, 3, three_by_three());
        QImage image = blank(4, 4);
        ui::qt::rasterise(canvas, image);
        QImage expected = blank(4, 4);
        for (const auto& [at, from] : c.covered) expected.setPixel(at, picture_pixel(from.x(), from.y()));
        EXPECT_EQ(image, expected) << c.name;
    }
}

// Each device pixel takes the picture pixel its centre lies in. One raster draws the same pixels
// at ratio after ratio: what it keeps of a picture belongs to one ratio.
TEST(Canvas_Raster, APictureAtARatioIsEnlargedPixelByPixel) {
    struct Case {
        double ratio;
        // The picture column (and row) of each device column (and row) it covers.
        std::vector<int> source;
    };
    const Case cases[] = {{2, {0, 0, 1, 1, 2, 2}}, {1, {0, 1, 2}}, {1.5, {0, 1, 1, 2, 2}}, {2, {0, 0, 1, 1, 2, 2}}};
    ui::Canvas canvas;
    canvas.draw_bitmap(0, 0, 3, 3, three_by_three());
    ui::qt::Canvas_Raster kept;
    for (const Case& c : cases) {
        const int size = static_cast<int>(c.source.size());
        QImage image = blank(size + 1, size + 1);
        kept.draw(canvas, image, c.ratio);
        QImage expected = blank(size + 1, size + 1);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                expected.setPixel(
                    x, y, picture_pixel(c.source[static_cast<std::size_t>(x)], c.source[static_cast<std::size_t>(y)]));
        EXPECT_EQ(image, expected) << c.ratio;
    }
}

TEST(Canvas_Raster, AnImageOfAnotherFormatIsDrawnAndKeepsItsFormat) {
    ui::Canvas canvas;
    canvas.pen.color = pen_color;
    canvas.move_to(0, 1);
    canvas.line_to(3, 1);
    QImage image(4, 3, QImage::Format_RGB888);
    image.fill(background);
    ui::qt::rasterise(canvas, image);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(art_of(image), (std::vector<std::string>{"....", "PPP.", "...."}));
}

}  // namespace
