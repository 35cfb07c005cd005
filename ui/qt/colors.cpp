#include "ui/qt/colors.h"

#include <QWidget>

namespace ui::qt {

namespace {

struct System_Color {
    ui::Color color;
    QRgb shown;
};

// The values of the system colours on the desktop the layouts were made for, so that every
// screen shows the windows alike whatever its theme.
constexpr System_Color system_colors[] = {
    {ui::Color_Button_Face, qRgb(0xF0, 0xF0, 0xF0)},
    {ui::Color_Window, qRgb(0xFF, 0xFF, 0xFF)},
    {ui::Color_Window_Text, qRgb(0x00, 0x00, 0x00)},
    {ui::Color_Info_Background, qRgb(0xFF, 0xFF, 0xE1)},
    {ui::Color_Highlight, qRgb(0x00, 0x78, 0xD7)},
    {ui::Color_Highlight_Text, qRgb(0xFF, 0xFF, 0xFF)},
    {ui::Color_Button_Highlight, qRgb(0xFF, 0xFF, 0xFF)},
    // The classic scheme's silver: that desktop's black would hide the black text of the
    // read-only fields painted in it.
    {ui::Color_Inactive_Caption_Text, qRgb(0xC0, 0xC0, 0xC0)},
};

}  // namespace

QColor to_qcolor(ui::Color color) {
    if ((color & ui::System_Color_Flag) != 0) {
        for (const System_Color& system : system_colors)
            if (system.color == color) return QColor::fromRgb(system.shown);
        return Qt::black;
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

namespace {

void apply(QWidget& widget, const QPalette& palette) {
    if (palette != widget.palette()) widget.setPalette(palette);
}

}  // namespace

void set_background(QWidget& widget, QPalette::ColorRole role, ui::Color color) {
    QPalette palette = widget.palette();
    palette.setColor(role, to_qcolor(color));
    apply(widget, palette);
}

void set_text_color(QWidget& widget, ui::Color color) {
    QPalette palette = widget.palette();
    const QColor ink = to_qcolor(color);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, ink);
    apply(widget, palette);
}

}  // namespace ui::qt
