#pragma once

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "ui/canvas.h"

// The recorded operations of a canvas as short lines, so that a mismatch reads like the drawing.
namespace canvas_ops {

using ui::Canvas_Op;
using ui::Canvas_Op_Kind;
using Ops = std::vector<Canvas_Op>;
using Texts = std::vector<std::string>;

inline std::string xy(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
inline std::string move(int x, int y) { return "move " + xy(x, y); }
inline std::string line(int x, int y) { return "line " + xy(x, y); }
inline std::string text(int x, int y, const std::string& s) { return "text " + xy(x, y) + " " + s; }
inline std::string dot(int x, int y) { return "ellipse " + xy(x - 3, y - 3) + " " + xy(x + 3, y + 3); }

inline std::string describe(const Canvas_Op& op) {
    switch (op.kind) {
    case Canvas_Op_Kind::Move_To: return move(op.x1, op.y1);
    case Canvas_Op_Kind::Line_To: return line(op.x2, op.y2);
    case Canvas_Op_Kind::Text_Out: return text(op.x1, op.y1, op.text);
    case Canvas_Op_Kind::Ellipse: return "ellipse " + xy(op.x1, op.y1) + " " + xy(op.x2, op.y2);
    case Canvas_Op_Kind::Rectangle: return "rectangle " + xy(op.x1, op.y1) + " " + xy(op.x2, op.y2);
    case Canvas_Op_Kind::Round_Rect:
        return "round_rect " + xy(op.x1, op.y1) + " " + xy(op.x2, op.y2) + " " + xy(op.x3, op.y3);
    case Canvas_Op_Kind::Bitmap: return "bitmap " + xy(op.x1, op.y1) + " " + xy(op.x2, op.y2);
    }
    return "?";
}

inline Texts describe(const Ops& ops) {
    Texts lines;
    for (const Canvas_Op& op : ops) lines.push_back(describe(op));
    return lines;
}

inline Ops select(const Ops& ops, const std::function<bool(const Canvas_Op&)>& keep) {
    Ops kept;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(kept), keep);
    return kept;
}

inline bool is_text(const Canvas_Op& op) { return op.kind == Canvas_Op_Kind::Text_Out; }
inline bool is_path(const Canvas_Op& op) {
    return op.kind == Canvas_Op_Kind::Move_To || op.kind == Canvas_Op_Kind::Line_To;
}

inline Ops paths_in(const Ops& ops, ui::Color pen) {
    return select(ops, [pen](const Canvas_Op& op) { return is_path(op) && op.pen.color == pen; });
}
inline Ops texts_in(const Ops& ops, ui::Color font) {
    return select(ops, [font](const Canvas_Op& op) { return is_text(op) && op.font.color == font; });
}
inline Texts strings_of(const Ops& text_ops) {
    Texts strings;
    for (const Canvas_Op& op : text_ops) strings.push_back(op.text);
    return strings;
}

}  // namespace canvas_ops
