#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "tests/support/earlier_start_chart.h"
#include "tests/support/headless_front_end.h"
#include "ui/qt/canvas_raster.h"

namespace {

// Moistrel's chart with every family on, rasterised.
struct Earlier_Picture : Earlier_Start_Chart {
    Earlier_Picture(float Patm, float Tdb) : Earlier_Start_Chart(Patm, Tdb) {
        application.set_front_end(front_end);
        draw(Every_Family);
        ui::qt::rasterise(image.canvas(), picture);
    }
    bool save(const char* file) const { return picture.save(QString(TEST_ARTEFACT_DIR "/") + file); }

    test_support::Headless_Front_End front_end;
    QImage picture{577, 497, QImage::Format_RGB32};
};

int pixels_of(const QImage& picture, QRgb colour, int first_row = 0, int last_row = -1) {
    if (last_row < 0) last_row = picture.height() - 1;
    int count = 0;
    for (int y = first_row; y <= last_row; ++y)
        for (int x = 0; x < picture.width(); ++x) count += picture.pixel(x, y) == colour;
    return count;
}

constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Blue = qRgb(0, 0, 255);
constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb Green = qRgb(0, 128, 0);

TEST(Earlier_Chart_Picture, StartChartIsWhiteWithBlackFrameAndColouredFamilies) {
    const Earlier_Picture start(101.325f, 20);
    EXPECT_TRUE(start.save("moistrel_chart_all_lines.png"));
    EXPECT_EQ(start.picture.pixel(3, 3), White);
    EXPECT_EQ(start.picture.pixel(570, 495), White);
    // The left end of the bottom axis lies under the green line of level 0, the right edge under
    // the blue line of 30 degree C; the black shows in the volume lines and the texts.
    EXPECT_EQ(start.picture.pixel(100, 480), Green);
    EXPECT_EQ(start.picture.pixel(550, 300), Blue);
    const int area = start.picture.width() * start.picture.height();
    EXPECT_GT(pixels_of(start.picture, White), area / 2);
    for (const QRgb colour : {Black, Blue, Red, Green}) {
        EXPECT_GT(pixels_of(start.picture, colour), 500) << QColor(colour).name().toStdString();
    }
}

TEST(Earlier_Chart_Picture, LowPressureChartStopsAtTheLevelOfZeroPointTwentyNine) {
    const Earlier_Picture low(90, 65);
    EXPECT_TRUE(low.save("moistrel_chart_90kpa_tdb65.png"));
    const auto row_of = [&low](float W) {
        return static_cast<int>(480 - static_cast<long double>(W) * low.chart.Y_Scale);
    };
    EXPECT_GT(pixels_of(low.picture, Green, row_of(0.29f), row_of(0.29f)), 10);
    EXPECT_EQ(pixels_of(low.picture, Green, 0, row_of(0.29f) - 3), 0) << "nothing of the levels 0.30 and above";
}

}  // namespace
