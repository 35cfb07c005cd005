#include "ui/qt/fonts.h"

#include <QApplication>
#include <QStringList>

#include <algorithm>
#include <vector>

#include "ui/qt/text.h"

namespace ui::qt {

namespace {

struct Face_Substitute {
    const char* face;
    std::vector<const char*> debian_faces;
};

// Liberation has the metrics of the Windows faces. Chinese characters need the Traditional
// Chinese family by name, or fontconfig falls back to the Simplified shapes; Noto Sans CJK has
// no glyph for some symbols of the Big5 set, such as the tilde operator of the range hints,
// which DejaVu Sans has.
constexpr const char* Traditional_Chinese = "Noto Sans CJK TC";
constexpr const char* Symbols = "DejaVu Sans";

const Face_Substitute face_substitutes[] = {
    {"MS Sans Serif", {"Liberation Sans", Traditional_Chinese, Symbols}},
    {"Arial", {"Liberation Sans"}},
    {"Times New Roman", {"Liberation Serif"}},
    {"Courier New", {"Liberation Mono"}},
    {"新細明體", {Traditional_Chinese, Symbols}},
    {"細明體", {Traditional_Chinese, Symbols}},
    {"PMingLiU", {Traditional_Chinese, Symbols}},
    {"MingLiU", {Traditional_Chinese, Symbols}},
};

constexpr int largest_pixel_size = 4096;
constexpr int default_points = 8;

int points_to_pixels(long long points) {
    // At 96 dpi a point is 4/3 pixel; halves round up.
    const long long pixels = (points * 96 + 36) / 72;
    return static_cast<int>(std::clamp(pixels, 1LL, static_cast<long long>(largest_pixel_size)));
}

// A size in points at 96 dpi, or else a pixel height.
int pixel_size(const ui::Font& font) {
    if (font.size > 0) return points_to_pixels(font.size);
    if (font.height > 0) return std::min(font.height, largest_pixel_size);
    // A negative height is the character height without the internal leading: Qt's pixel size.
    if (font.height < 0) return -std::max(font.height, -largest_pixel_size);
    return points_to_pixels(default_points);
}

}  // namespace

void install_font_substitutions() {
    for (const Face_Substitute& substitute : face_substitutes) {
        QStringList families;
        for (const char* family : substitute.debian_faces) families << QString::fromUtf8(family);
        QFont::insertSubstitutions(QString::fromUtf8(substitute.face), families);
    }
}

void install_application_font() {
    // Setting it also drops the fonts the platform gives to classes, such as a larger face for
    // the drop-down menus: the menus speak in the menu bar's font.
    QApplication::setFont(to_qfont(ui::Font{}));
}

QFont to_qfont(const ui::Font& font) {
    // Named by its substitutes straight away, in their order: a face that is not installed would
    // first send Qt through a slow search for fallbacks before it tried the substitutes.
    const QString face = to_qstring(font.name);
    QStringList families = QFont::substitutes(face);
    if (families.isEmpty()) families << face;
    QFont shown;
    shown.setFamilies(families);
    shown.setPixelSize(pixel_size(font));
    shown.setBold(font.bold);
    shown.setItalic(font.italic);
    return shown;
}

}  // namespace ui::qt
