#include "ui/qt/style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>

namespace ui::qt {

namespace {

// The double arrow of a menu bar too narrow for its menus, drawn when it is shown. The stock
// icon would be read from image files, and every menu bar asks for it as it is made.
class Extension_Arrow final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette = QApplication::palette();
        const QPalette::ColorGroup group = mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        painter->save();
        painter->setPen(palette.color(group, QPalette::ButtonText));
        const QPoint centre = rect.center();
        constexpr int reach = 3;
        for (const int left : {centre.x() - reach, centre.x() + 1}) {
            painter->drawLine(left, centre.y() - reach, left + reach, centre.y());
            painter->drawLine(left + reach, centre.y(), left, centre.y() + reach);
        }
        painter->restore();
    }

    QIconEngine* clone() const override { return new Extension_Arrow; }
};

class Program_Style final : public QProxyStyle {
public:
    explicit Program_Style(QStyle* base) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(new Extension_Arrow);
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

}  // namespace

void install_style() {
    if (QStyle* windows = QStyleFactory::create("Windows")) QApplication::setStyle(new Program_Style(windows));
}

}  // namespace ui::qt
