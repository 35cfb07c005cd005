#pragma once

#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <string>
#include <vector>

// The face and pixel size a widget's text is drawn in, as "family size".
inline std::string drawn_font(const QWidget& widget) {
    const QFontInfo used(widget.font());
    return used.family().toStdString() + " " + std::to_string(used.pixelSize());
}

// Each drop-down menu of the window as "name: family size".
inline std::vector<std::string> drop_down_fonts(const QWidget& window) {
    std::vector<std::string> fonts;
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        menu->ensurePolished();
        fonts.push_back(menu->objectName().toStdString() + ": " + drawn_font(*menu));
    }
    return fonts;
}

// What drop_down_fonts gives when every menu is drawn in the face and size of the menu bar.
inline std::vector<std::string> in_the_bars_font(const QWidget& window) {
    const auto* bar = window.findChild<QMenuBar*>();
    std::vector<std::string> fonts;
    for (QMenu* menu : window.findChildren<QMenu*>())
        fonts.push_back(menu->objectName().toStdString() + ": " + (bar ? drawn_font(*bar) : std::string("no bar")));
    return fonts;
}
