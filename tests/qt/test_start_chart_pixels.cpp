#include <gtest/gtest.h>

#include <QImage>

#include <vector>

#include "app/math_error_boxes.h"
#include "main/psy.h"
#include "tests/support/headless_front_end.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/qt/canvas_raster.h"
#include "ui/static_controls.h"

using app::Math_Error_Boxes;
using hygrodex::TForm1;

namespace {

// Hygrodex's main window as the program starts it.
struct Start_Window {
    static TForm1& create(ui::Application& application, ui::Front_End& front_end) {
        application.set_front_end(front_end);
        return application.create_form<TForm1>();
    }
    test_support::Headless_Front_End front_end;
    ui::Application application{"Hygrodex"};
    const Math_Error_Boxes math_error_boxes{application};
    TForm1& window = create(application, front_end);
};

// A few pixels of the start chart (Tdb 20, RH 50, axis 10..30 degree C) as the user sees them.
TEST(Start_Chart, SampledPixelsShowBackgroundFrameLegendAndMarker) {
    Start_Window start;
    TForm1& window = start.window;
    QImage image(578, 503, QImage::Format_RGB32);
    ui::qt::rasterise(window.get<ui::Image>("Chart_Image").canvas(), image);

    const struct {
        int x, y;
        QRgb colour;
        const char* what;
    } samples[] = {
        {0, 0, qRgb(0, 0, 0), "the background's black corner"},
        {565, 495, qRgb(0, 0, (565 + 495) * 255 / 1081), "the background below the AH labels"},
        {100, 480, qRgb(192, 192, 192), "the bottom axis of the frame"},
        {5, 80, qRgb(192, 192, 192), "the left side of the legend frame"},
        {275, 400, qRgb(108, 189, 229), "the Tdb marker's vertical line at 20 degree C"},
    };
    for (const auto& sample : samples) EXPECT_EQ(image.pixel(sample.x, sample.y), sample.colour) << sample.what;
}

// Rows of column x that hold a horizontal line one pixel thick: a run of one colour along the row
// from x - 10 to x + 10, in another colour than the rows above and below.
std::vector<int> one_pixel_lines_at(const QImage& image, int x) {
    std::vector<int> rows;
    for (int y = 1; y + 1 < image.height(); ++y) {
        const QRgb colour = image.pixel(x, y);
        bool along = true;
        for (int run = x - 10; run <= x + 10; ++run) along = along && image.pixel(run, y) == colour;
        if (along && image.pixel(x, y - 1) != colour && image.pixel(x, y + 1) != colour) rows.push_back(y);
    }
    return rows;
}

// At ratio 2 the chart is drawn on twice as many device pixels each way, and each horizontal line
// of the grid and frame is exactly two device pixels thick, in the rows of its 1x row.
TEST(Start_Chart, AtRatioTwoEachHorizontalLineIsTwoDevicePixelsThick) {
    Start_Window start;
    TForm1& window = start.window;
    window.get<ui::Check_Box>("Check_AH").set_checked(true);
    QImage at_one(578, 503, QImage::Format_RGB32);
    ui::qt::rasterise(window.get<ui::Image>("Chart_Image").canvas(), at_one);
    QImage at_two(2 * 578, 2 * 503, QImage::Format_RGB32);
    ui::qt::rasterise(window.get<ui::Image>("Chart_Image").canvas(), at_two, 2);

    const std::vector<int> rows = one_pixel_lines_at(at_one, 300);
    // The humidity lines that cross column 300 clear of the other families.
    ASSERT_GE(rows.size(), 4U);
    for (const int y : rows) {
        const QRgb colour = at_one.pixel(300, y);
        EXPECT_EQ(at_two.pixel(600, 2 * y), colour) << y;
        EXPECT_EQ(at_two.pixel(600, 2 * y + 1), colour) << y;
        EXPECT_NE(at_two.pixel(600, 2 * y - 1), colour) << y;
        EXPECT_NE(at_two.pixel(600, 2 * y + 2), colour) << y;
    }
}

}  // namespace
