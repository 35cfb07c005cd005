#include <gtest/gtest.h>

#include <QImage>

#include "main/psy.h"
#include "tests/support/headless_front_end.h"
#include "ui/qt/canvas_raster.h"

namespace {

// A few pixels of the start chart (Tdb 20, RH 50, axis 10..30 degree C) as the user sees them.
TEST(Start_Chart, SampledPixelsShowBackgroundFrameLegendAndMarker) {
    test_support::Headless_Front_End front_end;
    ui::Application application("Hygrodex");
    application.set_front_end(front_end);
    auto& window = application.create_form<TForm1>();
    QImage image(578, 503, QImage::Format_RGB32);
    ui::qt::rasterise(window.Chart_Image->canvas(), image);

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
    for (const auto& sample : samples)
        EXPECT_EQ(image.pixel(sample.x, sample.y), sample.colour) << sample.what;
}

}  // namespace
