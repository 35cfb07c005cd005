#pragma once

#include <QImage>

#include <cstdint>
#include <memory>
#include <vector>

#include "ui/canvas.h"
#include "ui/qt/raster_surface.h"

namespace ui::qt {

// Puts the 24-bit pictures of a record onto a surface. The 32-bit form of the last picture is
// kept for the next drawing that hands in the same pixels, as the chart does with its background
// at every redraw; a record's pixels never change once recorded.
class Picture_Raster {
public:
    void draw(Surface& surface, const ui::Canvas_Op& op);

private:
    const QImage& converted(const ui::Canvas_Op& op);

    // Held, so that no other picture can take its address while it is the key.
    std::shared_ptr<const std::vector<std::uint8_t>> source_;
    QImage converted_;
};

}  // namespace ui::qt
