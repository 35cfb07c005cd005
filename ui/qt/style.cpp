#include "ui/qt/style.h"

#include <QApplication>
#include <QStyleFactory>

namespace ui::qt {

void install_style() {
    if (QStyle* style = QStyleFactory::create("Windows")) QApplication::setStyle(style);
}

}  // namespace ui::qt
