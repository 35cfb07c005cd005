#include "ui/qt/fonts.h"

#include <algorithm>

#include "ui/qt/text.h"

namespace ui::qt {

namespace {

struct Face_Substitute {
    const char* face;
    const char* debian_face;
};

// Liberation has the metrics of the Windows faces; the Chinese faces need the Traditional
// Chinese family by name, or fontconfig falls back to the Simplified one.
constexpr Face_Substitute face_substitutes[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"新細明體", "Noto Sans CJK TC"},
    {"細明體", "Noto Sans CJK TC"},
    {"PMingLiU", "Noto Sans CJK TC"},
    {"MingLiU", "Noto Sans CJK TC"},
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
    for (const Face_Substitute& substitute : face_substitutes)
        QFont::insertSubstitution(QString::fromUtf8(substitute.face), QString::fromUtf8(substitute.debian_face));
}

QFont to_qfont(const ui::Font& font) {
    // Named by its substitute straight away: a face that is not installed would first send Qt
    // through a slow search for fallbacks before it tried the substitutes.
    QFont shown(QFont::substitute(to_qstring(font.name)));
    shown.setPixelSize(pixel_size(font));
    shown.setBold(font.bold);
    shown.setItalic(font.italic);
    return shown;
}

}  // namespace ui::qt
