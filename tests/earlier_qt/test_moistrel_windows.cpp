#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>
#include <QtTest/QTest>

#include "app/math_error_boxes.h"
#include "earlier/about.h"
#include "earlier/psy.h"
#include "earlier/status.h"
#include "tests/qt/menu_fonts.h"
#include "ui/edit.h"
#include "ui/qt/qt_front_end.h"
#include "ui/qt/text.h"
#include "ui/static_controls.h"

using app::Math_Error_Boxes;

namespace {

// Moistrel's windows shown through the Qt front end; their pictures are saved beside the test
// program for a look.
class Moistrel_Windows : public ::testing::Test {
protected:
    Moistrel_Windows() {
        application.set_front_end(front_end);
        front_end.divert_messages([](const ui::Message_Box&) {});
        window.Connect_Dialogs(about_box, settings);
        front_end.show(window);
    }

    QWidget& shown(const ui::Form& form) const { return *front_end.window_of(form); }

    template <class Widget>
    Widget& peer(const std::string& name) const {
        auto* widget = shown(window).findChild<Widget*>(ui::qt::to_qstring(name));
        if (widget == nullptr) throw std::logic_error("no peer " + name);
        return *widget;
    }

    void save(const ui::Form& form, const char* file) {
        EXPECT_TRUE(shown(form).grab().save(QString(TEST_ARTEFACT_DIR "/") + file));
    }

    ui::Application application{"Moistrel"};
    Math_Error_Boxes math_error_boxes{application};
    ui::qt::Qt_Front_End front_end{application};
    moistrel::TForm1& window = application.create_form<moistrel::TForm1>();
    moistrel::TAboutBox& about_box = application.create_form<moistrel::TAboutBox>();
    moistrel::Tconfig& settings = application.create_form<moistrel::Tconfig>();
};

TEST_F(Moistrel_Windows, TheMainWindowWithARangeHintAndTheDialogs) {
    EXPECT_EQ(shown(window).width(), 792);
    save(window, "moistrel_main_window.png");
    window.get<ui::Edit>("Edit_twb").set_focus();
    save(window, "moistrel_twb_hint.png");
    for (const auto& [form, file] : {std::pair<ui::Form&, const char*>{settings, "moistrel_settings_dialog.png"},
                                     std::pair<ui::Form&, const char*>{about_box, "moistrel_about_box.png"}}) {
        front_end.show(form);
        save(form, file);
    }
    EXPECT_EQ(shown(settings).size(), QSize(384, 179));
    EXPECT_EQ(shown(about_box).size(), QSize(298, 213));
    // Dialog borders: neither title bar offers minimise or maximise.
    for (const ui::Form* dialog : {static_cast<ui::Form*>(&settings), static_cast<ui::Form*>(&about_box)})
        EXPECT_FALSE(shown(*dialog).windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

// The drop-down menus speak in the menu bar's font, the window's "MS Sans Serif" of height -11.
TEST_F(Moistrel_Windows, TheMenusAreDrawnInTheMenuBarsFont) {
    EXPECT_EQ(drawn_font(peer<QMenuBar>("MainMenu1")), "Liberation Sans 11");
    const std::vector<std::string> fonts = drop_down_fonts(shown(window));
    EXPECT_GE(fonts.size(), 3u) << "the three menus of the layout, beside the bar's own for what does not fit";
    EXPECT_EQ(fonts, in_the_bars_font(shown(window)));
    QMenu& settings_menu = peer<QMenu>("N2");
    settings_menu.popup(shown(window).mapToGlobal(QPoint(0, 0)));
    EXPECT_TRUE(settings_menu.grab().save(QString(TEST_ARTEFACT_DIR "/moistrel_settings_menu.png")));
    settings_menu.hide();
}

// With input methods off a Chinese character can still come from the keyboard's own layout; it
// reaches the filter, which drops it and asks for a value.
TEST_F(Moistrel_Windows, AChineseCharacterTypedIntoAFieldIsDroppedWithTheRequest) {
    window.get<ui::Edit>("Edit_tdb").set_focus();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("濕"));
    QApplication::sendEvent(&peer<QLineEdit>("Edit_tdb"), &key);
    EXPECT_EQ(window.get<ui::Edit>("Edit_tdb").text(), "20");
    EXPECT_EQ(window.get<ui::Label>("Message3").caption(), "請輸入數值~~");
    EXPECT_FALSE(peer<QLineEdit>("Edit_tdb").testAttribute(Qt::WA_InputMethodEnabled));
}

}  // namespace
