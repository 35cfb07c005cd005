#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/types.h"

namespace ui {

enum class Pen_Style { Solid, Dot };
enum class Brush_Style { Solid, Clear };

struct Pen {
    Color color = Color_Black;
    int width = 1;
    Pen_Style style = Pen_Style::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Color color = Color_White;
    Brush_Style style = Brush_Style::Solid;
    friend bool operator==(const Brush&, const Brush&) = default;
};

enum class Canvas_Op_Kind { Move_To, Line_To, Rectangle, Ellipse, Round_Rect, Text_Out, Bitmap };

// One recorded drawing operation with the pen, brush and font in force when it was made.
struct Canvas_Op {
    Canvas_Op_Kind kind;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0;
    std::string text;
    Pen pen;
    Brush brush;
    Font font;
    // 24-bit pixels, three bytes blue, green, red per pixel, rows top to bottom.
    std::shared_ptr<const std::vector<std::uint8_t>> pixels;
};

// The drawing surface of an image: it records what the program draws; the front end
// rasterises the record.
class Canvas {
public:
    Pen pen;
    Brush brush;
    Font font;

    void move_to(int x, int y);
    void line_to(int x, int y);
    void rectangle(int x1, int y1, int x2, int y2);
    void ellipse(int x1, int y1, int x2, int y2);
    void round_rect(int x1, int y1, int x2, int y2, int corner_width, int corner_height);
    void text_out(int x, int y, std::string_view text);
    // Puts a whole 24-bit picture of width x height at (x, y).
    void draw_bitmap(int x, int y, int width, int height, std::shared_ptr<const std::vector<std::uint8_t>> pixels);

    const std::vector<Canvas_Op>& ops() const { return ops_; }
    // Starts a new record. The storage of the old one is kept for the next, so that a drawing
    // repeated with the same number of operations and texts allocates nothing.
    void clear();

private:
    Canvas_Op& record(Canvas_Op_Kind kind);

    int pen_x_ = 0;
    int pen_y_ = 0;
    std::vector<Canvas_Op> ops_;
    // Texts of cleared records, their storage ready for new ones.
    std::vector<std::string> spare_texts_;
};

}  // namespace ui
