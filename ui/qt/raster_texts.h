#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QStaticText>

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/canvas.h"
#include "ui/qt/raster_scale.h"
#include "ui/qt/raster_surface.h"

namespace ui::qt {

// One text laid out in one font: its glyphs, ready to draw, and the width of its cell.
struct Text_Layout {
    QStaticText glyphs;
    int width = 0;
};

// A font as Qt draws it on images of one resolution at one scale, with the height of its text
// cells and the layouts of the texts written in it so far, all in device pixels. The font is the
// one a painter on such an image takes, so that the layouts fit the painter and are not made
// again at each drawing.
class Text_Face {
public:
    Text_Face(const ui::Font& font, const QPaintDevice& image, double ratio);

    bool has_face_of(const ui::Font& font, int dpi, double ratio) const;
    const QFont& font() const { return font_; }
    int height() const { return height_; }
    // Laid out at the first asking and kept.
    const Text_Layout& layout(const std::string& text);

private:
    ui::Font model_;
    int dpi_;
    double ratio_;
    QFont font_;
    int height_;
    std::unordered_map<std::string, Text_Layout> layouts_;
};

// Every font and ink a record has used so far; kept from one drawing to the next, so that the
// same texts are laid out only once and no pen is made anew.
class Text_Styles {
public:
    Text_Face& face_of(const ui::Font& font, const QPaintDevice& image, double ratio);
    const QPen& pen_of(ui::Color ink);

private:
    std::vector<std::unique_ptr<Text_Face>> faces_;
    std::vector<std::pair<ui::Color, QPen>> pens_;
};

// Writes the texts of one drawing onto its image at the scale: Qt draws the glyphs; the cell
// behind them is filled here when the brush is solid.
class Text_Writer {
public:
    Text_Writer(QImage& image, Text_Styles& styles, const Raster_Scale& scale)
        : image_(image), styles_(styles), scale_(scale) {}

    void write(Surface& surface, const ui::Canvas_Op& op);

private:
    QImage& image_;
    Text_Styles& styles_;
    Raster_Scale scale_;
    // Begun at the first text that shows; the font and ink are set only when they change.
    QPainter painter_;
    const Text_Face* face_ = nullptr;
    std::optional<ui::Color> ink_;
};

}  // namespace ui::qt
