#include "ui/qt/raster_texts.h"

#include <QFontMetrics>

#include <cstdint>

#include "ui/qt/colors.h"
#include "ui/qt/fonts.h"
#include "ui/qt/text.h"

namespace ui::qt {

namespace {

// A bound on the layouts one font keeps, against a run that writes ever new texts.
constexpr std::size_t most_layouts_per_face = 4096;

// The font at ratio times its pixel size, which may be fractional: Qt takes a fractional size
// only in points, so it is given in the points of the image's resolution.
QFont scaled_font(const ui::Font& font, const QPaintDevice& image, double ratio) {
    QFont scaled = to_qfont(font);
    if (ratio != 1) scaled.setPointSizeF(scaled.pixelSize() * ratio * 72 / image.logicalDpiY());
    return {scaled, &image};
}

}  // namespace

Text_Face::Text_Face(const ui::Font& font, const QPaintDevice& image, double ratio)
    : model_(font),
      dpi_(image.logicalDpiY()),
      ratio_(ratio),
      font_(scaled_font(font, image, ratio)),
      height_(QFontMetrics(font_).height()) {}

// The colour plays no part in the layout.
bool Text_Face::has_face_of(const ui::Font& font, int dpi, double ratio) const {
    return dpi == dpi_ && ratio == ratio_ && font.name == model_.name && font.size == model_.size &&
           font.height == model_.height && font.bold == model_.bold && font.italic == model_.italic;
}

const Text_Layout& Text_Face::layout(const std::string& text) {
    const auto known = layouts_.find(text);
    if (known != layouts_.end()) return known->second;
    if (layouts_.size() >= most_layouts_per_face) layouts_.clear();
    const QString shown = to_qstring(text);
    Text_Layout& made = layouts_[text];
    made.glyphs.setText(shown);
    made.glyphs.setTextFormat(Qt::PlainText);
    made.width = QFontMetrics(font_).horizontalAdvance(shown);
    return made;
}

Text_Face& Text_Styles::face_of(const ui::Font& font, const QPaintDevice& image, double ratio) {
    const int dpi = image.logicalDpiY();
    for (const std::unique_ptr<Text_Face>& face : faces_)
        if (face->has_face_of(font, dpi, ratio)) return *face;
    return *faces_.emplace_back(std::make_unique<Text_Face>(font, image, ratio));
}

const QPen& Text_Styles::pen_of(ui::Color ink) {
    for (const auto& [color, pen] : pens_)
        if (color == ink) return pen;
    return pens_.emplace_back(ink, QPen(to_qcolor(ink))).second;
}

void Text_Writer::write(Surface& surface, const ui::Canvas_Op& op) {
    if (op.text.empty()) return;
    Text_Face& face = styles_.face_of(op.font, image_, scale_.ratio());
    const Text_Layout& layout = face.layout(op.text);
    const std::int64_t left = scale_.edge(op.x1);
    const std::int64_t top = scale_.edge(op.y1);
    const std::int64_t right = left + layout.width;
    const std::int64_t bottom = top + face.height();
    if (right <= 0 || bottom <= 0 || left >= surface.width() || top >= surface.height()) return;
    if (op.brush.style == ui::Brush_Style::Solid) {
        const QRgb brush = to_qcolor(op.brush.color).rgb();
        for (std::int64_t y = top; y < bottom; ++y) surface.fill_row(y, left, right - 1, brush);
    }
    if (!painter_.isActive()) painter_.begin(&image_);
    if (face_ != &face) {
        painter_.setFont(face.font());
        face_ = &face;
    }
    if (ink_ != op.font.color) {
        painter_.setPen(styles_.pen_of(op.font.color));
        ink_ = op.font.color;
    }
    painter_.drawStaticText(QPoint(static_cast<int>(left), static_cast<int>(top)), layout.glyphs);
}

}  // namespace ui::qt
