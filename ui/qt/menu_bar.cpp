#include "ui/qt/menu_bar.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <memory>
#include <vector>

#include "ui/qt/text.h"
#include "ui/user_input.h"

namespace ui::qt {

namespace {

using Menu_Items = std::vector<std::unique_ptr<ui::Menu_Item>>;

// Menu_Widget is the bar or one of its menus: both take items, menus and separators alike.
template <class Menu_Widget>
void add_items(Menu_Widget& menu, const Menu_Items& items, ui::Form& form, Peer_Host& host) {
    for (const auto& item : items) {
        if (item->caption() == "-") {
            menu.addSeparator();
            continue;
        }
        const QString caption = to_qstring(item->caption());
        if (!item->items().empty()) {
            QMenu* submenu = menu.addMenu(caption);
            submenu->setObjectName(to_qstring(item->name()));
            // A drop-down menu is a window of its own: it takes the bar's font only when told to.
            submenu->setAttribute(Qt::WA_WindowPropagation);
            add_items(*submenu, item->items(), form, host);
            continue;
        }
        QAction* action = menu.addAction(caption);
        action->setObjectName(to_qstring(item->name()));
        ui::Menu_Item& chosen = *item;
        QObject::connect(action, &QAction::triggered, action, [&form, &chosen, &host] {
            ui::user::choose_menu(form, chosen);
            host.after_model_event();
        });
    }
}

}  // namespace

QMenuBar* build_menu_bar(ui::Form& form, QWidget& window, Peer_Host& host) {
    // Inside the window, so that the client area stands right below it. Said before the bar is
    // made, the bar does not first ask the desktop's menu service over D-Bus.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    auto* bar = new QMenuBar(&window);
    bar->setObjectName(to_qstring(form.main_menu()->name()));
    bar->setFocusPolicy(Qt::NoFocus);
    add_items(*bar, form.main_menu()->menus(), form, host);
    return bar;
}

}  // namespace ui::qt
