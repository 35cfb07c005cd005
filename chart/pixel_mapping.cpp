#include "chart/pixel_mapping.h"

#include "numtext/int_text.h"

// The products are formed in extended precision from the 32-bit operands and truncated once.

int x_of_temperature(const Chart_Fields& chart, float T) {
    const long double index = static_cast<long double>(T) + 40;
    return numtext::truncate_to_int((index - chart.Tmin_Index) * chart.X_Scale);
}

int x_of_index(const Chart_Fields& chart, float u) {
    return numtext::truncate_to_int((static_cast<long double>(u) - chart.Tmin_Index) * chart.X_Scale);
}

int y_of_humidity(const Chart_Fields& chart, float W) {
    return numtext::truncate_to_int(480 - static_cast<long double>(W) * chart.Y_Scale);
}
