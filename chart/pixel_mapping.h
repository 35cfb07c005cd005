#pragma once

#include "chart/chart_fields.h"

namespace chart {

// Chart coordinates to image pixels for the axis and scales of the last drawing: x 0 is the left
// edge (Tmin_Index), y 480 the bottom axis (humidity ratio 0). Each result is truncated toward zero.

struct Pixel {
    int x;
    int y;
};

// A coordinate as a pixel: truncated toward zero and held within +-2^24, far outside the image,
// so that the label and marker offsets added to it cannot overflow.
int pixel_of(long double coordinate);

// x of a dry-bulb temperature T in degree C.
int x_of_temperature(const Chart_Fields& chart, float T);
// x of a (fractional) temperature index u, as the line tables hold them.
int x_of_index(const Chart_Fields& chart, float u);
// y of a humidity ratio W in kg/kg dry air.
int y_of_humidity(const Chart_Fields& chart, float W);

}  // namespace chart
