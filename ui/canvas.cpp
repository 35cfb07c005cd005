#include "ui/canvas.h"

namespace ui {

Canvas_Op& Canvas::record(Canvas_Op_Kind kind) {
    Canvas_Op& op = ops_.emplace_back();
    op.kind = kind;
    op.pen = pen;
    op.brush = brush;
    op.font = font;
    return op;
}

void Canvas::move_to(int x, int y) {
    Canvas_Op& op = record(Canvas_Op_Kind::Move_To);
    op.x1 = x;
    op.y1 = y;
    pen_x_ = x;
    pen_y_ = y;
}

void Canvas::line_to(int x, int y) {
    Canvas_Op& op = record(Canvas_Op_Kind::Line_To);
    op.x1 = pen_x_;
    op.y1 = pen_y_;
    op.x2 = x;
    op.y2 = y;
    pen_x_ = x;
    pen_y_ = y;
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    Canvas_Op& op = record(Canvas_Op_Kind::Rectangle);
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
}

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
    Canvas_Op& op = record(Canvas_Op_Kind::Ellipse);
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
}

void Canvas::round_rect(int x1, int y1, int x2, int y2, int corner_width, int corner_height) {
    Canvas_Op& op = record(Canvas_Op_Kind::Round_Rect);
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.x3 = corner_width, op.y3 = corner_height;
}

void Canvas::text_out(int x, int y, std::string_view text) {
    Canvas_Op& op = record(Canvas_Op_Kind::Text_Out);
    op.x1 = x;
    op.y1 = y;
    if (!spare_texts_.empty()) {
        op.text = std::move(spare_texts_.back());
        spare_texts_.pop_back();
    }
    op.text.assign(text);
}

void Canvas::draw_bitmap(int x, int y, int width, int height, std::shared_ptr<const std::vector<std::uint8_t>> pixels) {
    Canvas_Op& op = record(Canvas_Op_Kind::Bitmap);
    op.x1 = x, op.y1 = y, op.x2 = width, op.y2 = height;
    op.pixels = std::move(pixels);
}

void Canvas::clear() {
    // Last first, so that the next record's texts take the storage of this one's in order.
    for (auto op = ops_.rbegin(); op != ops_.rend(); ++op)
        if (op->kind == Canvas_Op_Kind::Text_Out) spare_texts_.push_back(std::move(op->text));
    ops_.clear();
    pen_x_ = 0;
    pen_y_ = 0;
}

}  // namespace ui
