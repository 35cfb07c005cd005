#include "ui/qt/raster_scale.h"

#include <algorithm>
#include <cmath>

namespace ui::qt {

namespace {

constexpr double smallest_ratio = 0.25;
constexpr double largest_ratio = 8;

std::int64_t rounded(double value) { return static_cast<std::int64_t>(std::floor(value + 0.5)); }

// The centre of a pen's band across its line, from the line's core pixel: a pen of an odd width
// reaches as far on both sides, an even one a pixel further on the far side.
double band_centre_offset(std::int64_t width) { return width % 2 == 0 ? 1.0 : 0.5; }

}  // namespace

Raster_Scale::Raster_Scale(double ratio)
    : ratio_(std::isnan(ratio) ? 1 : std::clamp(ratio, smallest_ratio, largest_ratio)) {}

std::int64_t Raster_Scale::edge(std::int64_t at) const { return rounded(static_cast<double>(at) * ratio_); }

int Raster_Scale::pen_width(int width) const {
    return static_cast<int>(std::max<std::int64_t>(rounded(width * ratio_), 1));
}

// The core is the device pixel whose band centre lies nearest the scaled centre of the record's band.
std::int64_t Raster_Scale::line_pixel(std::int64_t at, int width) const {
    const double centre = (static_cast<double>(at) + band_centre_offset(width)) * ratio_;
    return static_cast<std::int64_t>(std::floor(centre + 0.5 - band_centre_offset(pen_width(width))));
}

int Raster_Scale::dot_length() const { return pen_width(1); }

}  // namespace ui::qt
