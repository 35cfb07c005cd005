#pragma once

#include <cstdint>

namespace ui::qt {

// How a record's pixels land on an image drawn at a device pixel ratio: each record pixel covers
// ratio x ratio device pixels. At ratio 1 every mapping below is the identity, so the pixels are
// the drawing rules' own.
class Raster_Scale {
public:
    // A ratio outside the range a screen can have (or not a number) is taken as the nearest one
    // inside: far beyond it, the device coordinates would leave the range the lines are exact in.
    explicit Raster_Scale(double ratio = 1);

    double ratio() const { return ratio_; }

    // A boundary between record pixels (a figure's side, a text cell's or a picture's corner), on
    // the nearest boundary between device pixels.
    std::int64_t edge(std::int64_t at) const;

    // A pen of that width in record pixels, in whole device pixels: round(width x ratio), at least one.
    int pen_width(int width) const;

    // The device pixel a line's one-pixel core passes through for record pixel `at`, the line
    // drawn with a pen `width` record pixels wide: the scaled band of the pen across the line
    // lies centred on the band of the record, so that horizontal and vertical lines cover the
    // scaled pixels of their 1x pixels wherever the ratio allows.
    std::int64_t line_pixel(std::int64_t at, int width) const;

    // The length of a dot, and of the gap after it, of a dotted line: one record pixel, in whole
    // device pixels, so the dots stay even.
    int dot_length() const;

private:
    double ratio_;
};

}  // namespace ui::qt
