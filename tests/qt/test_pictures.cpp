#include <gtest/gtest.h>

#include <QImage>

#include <memory>
#include <vector>

#include "ui/canvas.h"
#include "ui/qt/canvas_raster.h"
#include "ui/qt/glyphs.h"

namespace {

std::shared_ptr<const std::vector<std::uint8_t>> pixels(std::vector<std::uint8_t> bytes) {
    return std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
}

int inked_pixels(const QImage& picture) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) count += picture.pixelColor(x, y).alpha() > 128 ? 1 : 0;
    return count;
}

}  // namespace

TEST(Canvas_Raster, AnEmptyCanvasLeavesThePictureAsItWas) {
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(3, 2, qRgb(10, 20, 30));
    const QImage before = image;
    ui::qt::rasterise(ui::Canvas{}, image);
    EXPECT_EQ(image, before);
}

TEST(Canvas_Raster, ABitmapLandsAtItsPlaceInBlueGreenRedOrder) {
    ui::Canvas canvas;
    // Two by two: blue, green / red, grey.
    canvas.draw_bitmap(3, 2, 2, 2, pixels({255, 0, 0, 0, 255, 0, 0, 0, 255, 128, 128, 128}));
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::white);
    ui::qt::rasterise(canvas, image);
    EXPECT_EQ(image.pixel(3, 2), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(4, 2), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(4, 3), qRgb(128, 128, 128));
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(5, 3), qRgb(255, 255, 255));
}

TEST(Canvas_Raster, ABitmapWithTooFewPixelsOrNoneIsLeftOut) {
    ui::Canvas canvas;
    canvas.draw_bitmap(0, 0, 4, 4, pixels({0, 0, 0}));
    canvas.draw_bitmap(0, 0, 4, 4, nullptr);
    canvas.draw_bitmap(0, 0, -1, 4, pixels({0, 0, 0}));
    canvas.draw_bitmap(0, 0, 2147483647, 2147483647, pixels({0, 0, 0}));
    QImage image(6, 6, QImage::Format_RGB32);
    image.fill(Qt::white);
    ui::qt::rasterise(canvas, image);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

TEST(Glyphs, EveryGlyphOfTheLayoutsHasAPictureOfItsSize) {
    struct Case {
        const char* name;
        QSize size;
    };
    const Case cases[] = {
        {"arrow-up-left", {22, 19}},   {"arrow-up", {22, 19}},        {"arrow-up-right", {22, 19}},
        {"arrow-left", {22, 19}},      {"circling-arrows", {21, 21}}, {"arrow-right", {22, 19}},
        {"arrow-down-left", {22, 19}}, {"arrow-down", {22, 19}},      {"arrow-down-right", {22, 19}},
        {"magnifier-minus", {30, 30}}, {"magnifier-plus", {30, 30}},
    };
    std::vector<QImage> pictures;
    for (const Case& c : cases) {
        const QImage picture = ui::qt::glyph_picture(c.name).toImage();
        EXPECT_EQ(picture.size(), c.size) << c.name;
        // Each picture is drawn, clear of the edges, and no two are alike.
        EXPECT_GT(inked_pixels(picture), 40) << c.name;
        EXPECT_EQ(inked_pixels(picture.copy(1, 1, c.size.width() - 2, c.size.height() - 2)), inked_pixels(picture))
            << c.name;
        for (const QImage& other : pictures) EXPECT_NE(picture, other) << c.name;
        pictures.push_back(picture);
    }
    EXPECT_TRUE(ui::qt::glyph_picture("no-such-glyph").isNull());
}
