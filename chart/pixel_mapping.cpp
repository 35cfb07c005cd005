#include "chart/pixel_mapping.h"

#include <algorithm>

#include "numtext/int_text.h"

namespace chart {

namespace {
constexpr int Farthest_Pixel = 1 << 24;
}  // namespace

int pixel_of(long double coordinate) {
    return std::clamp(numtext::truncate_to_int(coordinate), -Farthest_Pixel, Farthest_Pixel);
}

// The products are formed in extended precision from the 32-bit operands and truncated once.

int x_of_temperature(const Chart_Fields& chart, float T) {
    const long double index = static_cast<long double>(T) + Temperature_Index_Offset;
    return pixel_of((index - chart.Tmin_Index) * chart.X_Scale);
}

int x_of_index(const Chart_Fields& chart, float u) {
    return pixel_of((static_cast<long double>(u) - chart.Tmin_Index) * chart.X_Scale);
}

int y_of_humidity(const Chart_Fields& chart, float W) {
    return pixel_of(Plot_Bottom - static_cast<long double>(W) * chart.Y_Scale);
}

}  // namespace chart
