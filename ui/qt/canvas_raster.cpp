#include "ui/qt/canvas_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "ui/qt/colors.h"
#include "ui/qt/raster_scale.h"

namespace ui::qt {

namespace {

// Figure corners are first moved into this range, far beyond any image, so that the corner
// arithmetic stays exact in 64 bits.
constexpr int figure_coordinate_limit = 1 << 14;
// A wider pen only costs time: a line is drawn once per pixel of width.
constexpr int widest_pen = 256;

int pen_width(const ui::Pen& pen) { return std::clamp(pen.width, 1, widest_pen); }

// ---- Lines ----

struct Point {
    std::int64_t x;
    std::int64_t y;
};

// Step i of a line (0 <= i < run) lies i pixels from the start along the major axis and
// offset(i) pixels along the minor one: i * rise / run rounded to the nearest, a half toward
// the start, as Bresenham's stepping has it. Step run would be the end point, which is left out.
// Device coordinates at ratios above 1 can take run past 2^32, so i * rise is formed in 128 bits.
class Line_Steps {
    using Wide = unsigned __int128;

public:
    Line_Steps(std::uint64_t run, std::uint64_t rise) : run_(run), rise_(rise) {}

    std::int64_t run() const { return static_cast<std::int64_t>(run_); }

    std::int64_t offset(std::int64_t step) const {
        const Wide travelled = static_cast<Wide>(step) * rise_;
        return rounded(static_cast<std::uint64_t>(travelled / run_), static_cast<std::uint64_t>(travelled % run_));
    }

    // The first step of first..end-1 whose offset exceeds limit, or end: offsets never fall.
    std::int64_t first_beyond(std::int64_t first, std::int64_t end, std::int64_t limit) const {
        while (first < end) {
            const std::int64_t middle = first + (end - first) / 2;
            if (offset(middle) > limit) end = middle;
            else first = middle + 1;
        }
        return first;
    }

    // Walks the steps one by one from a first step. The offset grows by one at the step where
    // error, 2 (step * rise - offset * run) - run, would turn positive; error stays within
    // -2 run..0, so no step divides and nothing overflows.
    class Walk {
    public:
        Walk(const Line_Steps& steps, std::int64_t first) : rise_(steps.rise_), run_(steps.run_) {
            const auto remainder = static_cast<std::uint64_t>(static_cast<Wide>(first) * steps.rise_ % steps.run_);
            const bool rounded_up = 2 * remainder > steps.run_;
            error_ = 2 * (static_cast<std::int64_t>(remainder) - (rounded_up ? run_ : 0)) - run_;
        }

        // Whether the next step moves one pixel along the minor axis.
        bool advance() {
            error_ += 2 * rise_;
            if (error_ <= 0) return false;
            error_ -= 2 * run_;
            return true;
        }

    private:
        std::int64_t rise_;
        std::int64_t run_;
        std::int64_t error_;
    };

private:
    std::int64_t rounded(std::uint64_t quotient, std::uint64_t remainder) const {
        return static_cast<std::int64_t>(quotient + (2 * remainder > run_ ? 1 : 0));
    }

    std::uint64_t run_;
    std::uint64_t rise_;
};

// The steps i of first..end-1 at which start + direction * i lies in 0..extent-1.
struct Step_Range {
    std::int64_t first;
    std::int64_t end;
};

Step_Range steps_inside(std::int64_t start, int direction, std::int64_t extent) {
    if (direction > 0) return {-start, extent - start};
    return {start - extent + 1, start + 1};
}

bool is_steep(Point from, Point to) { return std::abs(to.y - from.y) > std::abs(to.x - from.x); }

// Dots of `dot` pixels and gaps as long, from the line's start on; a dot of 0 draws solid.
class Dots {
public:
    Dots(int dot, std::int64_t first_step)
        : dot_(dot), phase_(dot == 0 ? 0 : static_cast<int>(first_step % (2 * dot))) {}

    // Whether this step is inked; then moves on to the next.
    bool next() {
        if (dot_ == 0) return true;
        const bool inked = phase_ < dot_;
        if (++phase_ == 2 * dot_) phase_ = 0;
        return inked;
    }

private:
    int dot_;
    int phase_;
};

// One pixel wide, from `from` up to but without `to`. Only the steps that land on the image are
// walked, found by search rather than by stepping, so a line far outside costs nothing.
void draw_thin_line(Surface& surface, Point from, Point to, QRgb color, int dot) {
    const bool steep = is_steep(from, to);
    const std::int64_t major_start = steep ? from.y : from.x;
    const std::int64_t minor_start = steep ? from.x : from.y;
    const std::int64_t major_delta = (steep ? to.y : to.x) - major_start;
    const std::int64_t minor_delta = (steep ? to.x : to.y) - minor_start;
    const int major_direction = major_delta < 0 ? -1 : 1;
    const int minor_direction = minor_delta < 0 ? -1 : 1;
    const Line_Steps steps(static_cast<std::uint64_t>(std::abs(major_delta)),
                           static_cast<std::uint64_t>(std::abs(minor_delta)));

    const Step_Range along = steps_inside(major_start, major_direction, steep ? surface.height() : surface.width());
    std::int64_t first = std::max<std::int64_t>(along.first, 0);
    std::int64_t end = std::min(along.end, steps.run());
    if (first >= end) return;
    const Step_Range across = steps_inside(minor_start, minor_direction, steep ? surface.width() : surface.height());
    first = steps.first_beyond(first, end, across.first - 1);
    end = steps.first_beyond(first, end, across.end - 1);

    // Pixels are reached by their index from the image's first one, one step along each axis at a time.
    const std::int64_t line_step = surface.pixels_per_line();
    const std::int64_t major_step = steep ? major_direction * line_step : major_direction;
    const std::int64_t minor_step = steep ? minor_direction : minor_direction * line_step;
    const std::int64_t major = major_start + major_direction * first;
    const std::int64_t minor = minor_start + minor_direction * steps.offset(first);
    std::int64_t at = steep ? major * line_step + minor : minor * line_step + major;
    QRgb* const pixels = surface.pixels();
    Line_Steps::Walk walk(steps, first);
    Dots dots(dot, first);
    for (std::int64_t step = first; step < end; ++step) {
        if (dots.next()) pixels[at] = color;
        at += major_step;
        if (walk.advance()) at += minor_step;
    }
}

// A wide pen draws the thin line again beside itself, across the major axis (x for a steep
// line, y otherwise), from -(width - 1) / 2 to width / 2: a pen of 2 adds the +1 neighbour.
// At a ratio the ends move to their device pixels and the pen and dots widen with it.
void draw_line(Surface& surface, const ui::Canvas_Op& op, const Raster_Scale& scale) {
    const QRgb color = to_qcolor(op.pen.color).rgb();
    const int record_width = pen_width(op.pen);
    const int width = scale.pen_width(record_width);
    // Dots need a one-pixel pen; a wider one draws solid, so a thick dotted line never breaks up.
    const int dot = op.pen.style == ui::Pen_Style::Dot && record_width == 1 ? scale.dot_length() : 0;
    const Point from{scale.line_pixel(op.x1, record_width), scale.line_pixel(op.y1, record_width)};
    const Point to{scale.line_pixel(op.x2, record_width), scale.line_pixel(op.y2, record_width)};
    const bool steep = is_steep(from, to);
    for (int shift = -(width - 1) / 2; shift <= width / 2; ++shift) {
        const Point beside = steep ? Point{shift, 0} : Point{0, shift};
        draw_thin_line(surface, {from.x + beside.x, from.y + beside.y}, {to.x + beside.x, to.y + beside.y}, color, dot);
    }
}

// ---- Figures ----

struct Column_Span {
    std::int64_t first;
    std::int64_t last;
};

// The largest whole c with (c / width)^2 + (depth / height)^2 <= 1, for depth < height: half the
// chord of an ellipse of those axes at that distance from its centre.
std::int64_t half_chord(std::int64_t width, std::int64_t height, std::int64_t depth) {
    const std::int64_t height_squared = height * height;
    const std::int64_t bound = width * width * (height_squared - depth * depth);
    const auto fits = [&](std::int64_t chord) { return chord * chord * height_squared <= bound; };
    auto chord = static_cast<std::int64_t>(std::sqrt(static_cast<double>(bound)) / static_cast<double>(height));
    while (chord > 0 && !fits(chord)) --chord;
    while (fits(chord + 1)) ++chord;
    return chord;
}

// Columns left..right-1 and rows top..bottom-1, the corners rounded by quarters of an ellipse
// of corner_width x corner_height: 0 for a rectangle, the box's own size for an ellipse.
// A pixel belongs to the figure when its centre lies inside.
struct Rounded_Box {
    int left;
    int top;
    int right;
    int bottom;
    int corner_width;
    int corner_height;

    bool empty() const { return right <= left || bottom <= top; }
    bool has_row(std::int64_t y) const { return !empty() && y >= top && y < bottom; }

    // The box that stays inside an outline of that width, its corners rounded alike.
    Rounded_Box inset(int width) const {
        return {left + width,
                top + width,
                right - width,
                bottom - width,
                std::max(corner_width - 2 * width, 0),
                std::max(corner_height - 2 * width, 0)};
    }

    // Worked in half pixels, where the pixel centres are whole: the corner curves' centres sit
    // corner_height half pixels inside the top and bottom edges, corner_width inside the sides.
    Column_Span row(std::int64_t y) const {
        std::int64_t indent = 0;
        if (corner_width > 0 && corner_height > 0) {
            const std::int64_t centre = 2 * y + 1;
            const std::int64_t upper_curve = 2 * static_cast<std::int64_t>(top) + corner_height;
            const std::int64_t lower_curve = 2 * static_cast<std::int64_t>(bottom) - corner_height;
            const std::int64_t depth = centre < upper_curve   ? upper_curve - centre
                                       : centre > lower_curve ? centre - lower_curve
                                                              : 0;
            indent = corner_width - half_chord(corner_width, corner_height, depth);
        }
        return {left + indent / 2, right - 1 - indent / 2};
    }
};

// The corners on their device pixels, first moved into the limit's range.
Rounded_Box figure_box(const ui::Canvas_Op& op, const Raster_Scale& scale) {
    const auto limited = [&scale](int value) {
        return static_cast<int>(
            std::clamp<std::int64_t>(scale.edge(value), -figure_coordinate_limit, figure_coordinate_limit));
    };
    const int x1 = limited(op.x1), y1 = limited(op.y1), x2 = limited(op.x2), y2 = limited(op.y2);
    Rounded_Box box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), 0, 0};
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (op.kind == ui::Canvas_Op_Kind::Ellipse) {
        box.corner_width = width;
        box.corner_height = height;
    } else if (op.kind == ui::Canvas_Op_Kind::Round_Rect) {
        box.corner_width = static_cast<int>(std::clamp<std::int64_t>(scale.edge(op.x3), 0, width));
        box.corner_height = static_cast<int>(std::clamp<std::int64_t>(scale.edge(op.y3), 0, height));
    }
    return box;
}

// The outline in the pen inside the box, the rest in the brush unless it is clear. The pen's
// style plays no part here: the figures are drawn with solid outlines.
void draw_figure(Surface& surface, const ui::Canvas_Op& op, const Raster_Scale& scale) {
    const Rounded_Box outer = figure_box(op, scale);
    if (outer.empty()) return;
    const Rounded_Box inner = outer.inset(scale.pen_width(pen_width(op.pen)));
    const QRgb pen = to_qcolor(op.pen.color).rgb();
    const QRgb brush = to_qcolor(op.brush.color).rgb();
    const bool filled = op.brush.style == ui::Brush_Style::Solid;
    const int end_row = std::min(outer.bottom, surface.height());
    for (int y = std::max(outer.top, 0); y < end_row; ++y) {
        const Column_Span edge = outer.row(y);
        if (!inner.has_row(y)) {
            surface.fill_row(y, edge.first, edge.last, pen);
            continue;
        }
        const Column_Span inside = inner.row(y);
        surface.fill_row(y, edge.first, inside.first - 1, pen);
        surface.fill_row(y, inside.last + 1, edge.last, pen);
        if (filled) surface.fill_row(y, inside.first, inside.last, brush);
    }
}

bool has_32_bit_pixels(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

void Canvas_Raster::draw(const ui::Canvas& canvas, QImage& image, double ratio) {
    if (image.isNull() || canvas.ops().empty()) return;
    if (!has_32_bit_pixels(image.format())) {
        QImage drawn = image.convertToFormat(QImage::Format_RGB32);
        draw(canvas, drawn, ratio);
        image = drawn.convertToFormat(image.format());
        return;
    }
    const Raster_Scale scale(ratio);
    Surface surface(image);
    Text_Writer texts(image, text_styles_, scale);
    for (const ui::Canvas_Op& op : canvas.ops()) {
        switch (op.kind) {
        case ui::Canvas_Op_Kind::Move_To: break;
        case ui::Canvas_Op_Kind::Line_To: draw_line(surface, op, scale); break;
        case ui::Canvas_Op_Kind::Rectangle:
        case ui::Canvas_Op_Kind::Ellipse:
        case ui::Canvas_Op_Kind::Round_Rect: draw_figure(surface, op, scale); break;
        case ui::Canvas_Op_Kind::Text_Out: texts.write(surface, op); break;
        case ui::Canvas_Op_Kind::Bitmap: pictures_.draw(surface, op, scale); break;
        }
    }
}

void rasterise(const ui::Canvas& canvas, QImage& image, double ratio) { Canvas_Raster().draw(canvas, image, ratio); }

}  // namespace ui::qt
