#pragma once

#include <QImage>

#include <cstdint>
#include <memory>
#include <vector>

#include "ui/canvas.h"
#include "ui/qt/raster_scale.h"
#include "ui/qt/raster_surface.h"

namespace ui::qt {

// Puts the 24-bit pictures of a record onto a surface, enlarged to the scale. The 32-bit form of
// the last picture, at the last scale, is kept for the next drawing that hands in the same pixels
// at the same scale, as the chart does with its background at every redraw; a record's pixels
// never change once recorded.
class Picture_Raster {
public:
    void draw(Surface& surface, const ui::Canvas_Op& op, const Raster_Scale& scale);

private:
    const QImage& converted(const ui::Canvas_Op& op, const Raster_Scale& scale);

    // Held, so that no other picture can take its address while it is the key.
    std::shared_ptr<const std::vector<std::uint8_t>> source_;
    int width_ = 0;
    int height_ = 0;
    double ratio_ = 0;
    QImage converted_;
};

}  // namespace ui::qt
