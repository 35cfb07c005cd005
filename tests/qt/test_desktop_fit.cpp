#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QtTest/QTest>

#include "tests/qt/qt_fixture.h"
#include "ui/qt/fonts.h"
#include "ui/qt/form_window.h"

namespace {

// Records the reason of every focus that a watched widget receives.
class Focus_Reasons final : public QObject {
public:
    std::vector<Qt::FocusReason> reasons;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) reasons.push_back(static_cast<QFocusEvent*>(event)->reason());
        return false;
    }
};

class Desktop_Test : public Qt_Form_Test {
protected:
    Desktop_Test() {
        window().activateWindow();
        QApplication::setActiveWindow(&window());
    }

    QTabBar& tabs() const { return *peer<QWidget>("Pages").findChild<QTabBar*>(); }
};

// The name of the style that draws, behind any proxy that only adds to it.
QString drawing_style(const QStyle* style) {
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
    return style->name().toLower();
}

}  // namespace

TEST_F(Desktop_Test, EveryWindowIsDrawnInTheWindowsStyle) {
    EXPECT_EQ(drawing_style(QApplication::style()), "windows");
    EXPECT_EQ(drawing_style(window().style()), "windows");
    EXPECT_EQ(drawing_style(peer<QPushButton>("Go_Button").style()), "windows");
}

// The style draws the arrow of a menu bar too narrow for its menus itself, in the button text's
// colour, greyed when disabled.
TEST_F(Desktop_Test, AMenuBarsExtensionArrowIsDrawnInTheButtonTextColour) {
    const QIcon arrow = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    ASSERT_FALSE(arrow.isNull());
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        const QPalette::ColorGroup group = mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        const QRgb ink = QApplication::palette().color(group, QPalette::ButtonText).rgb();
        QImage drawn(16, 16, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        arrow.paint(&painter, drawn.rect(), Qt::AlignCenter, mode);
        painter.end();
        int inked = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) inked += drawn.pixel(x, y) == ink;
        EXPECT_GE(inked, 8) << "mode " << mode;
    }
}

TEST_F(Desktop_Test, AFocusMoveReachesQtWithTheReasonOfTheInputThatMadeIt) {
    Focus_Reasons seen;
    for (const char* name : {"First_Edit", "Second_Edit", "Go_Button"}) peer<QWidget>(name).installEventFilter(&seen);
    QTest::keyClick(&window(), Qt::Key_Tab);
    QTest::keyClick(&window(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(window().testAttribute(Qt::WA_KeyboardFocusChange)) << "the style shows the focus cue";
    QTest::mouseClick(&peer<QPushButton>("Go_Button"), Qt::LeftButton);
    EXPECT_FALSE(window().testAttribute(Qt::WA_KeyboardFocusChange));
    EXPECT_EQ(seen.reasons,
              (std::vector<Qt::FocusReason>{Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::MouseFocusReason}));
    EXPECT_EQ(window().focusWidget(), &peer<QPushButton>("Go_Button"));
}

TEST_F(Desktop_Test, TheFocusOfThePageControlIsShownOnItsTabs) {
    QTest::mouseClick(&peer<QLineEdit>("Page_One_Edit"), Qt::LeftButton);
    QTest::keyClick(&window(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(form.focused(), &pages);
    EXPECT_EQ(window().focusWidget(), &tabs());
    QTest::keyClick(&tabs(), Qt::Key_Right);
    EXPECT_EQ(pages.active_page(), &page_two);
    EXPECT_EQ(tabs().currentIndex(), 1);
    QTest::keyClick(&tabs(), Qt::Key_Right);
    EXPECT_EQ(pages.active_page(), &page_one) << "past the last page comes the first";
}

// The focus cue of the tabs stands around the current tab's caption, inside the tab, and leaves
// every pixel of the caption as it is drawn without the focus.
TEST_F(Desktop_Test, TheTabsFocusCueSurroundsTheCaptionWithoutCoveringIt) {
    for (int current : {0, 1}) {
        SCOPED_TRACE(current);
        pages.set_active_page(pages.pages()[static_cast<std::size_t>(current)]);
        form.focus_control(&first, ui::Focus_Cause::Keyboard);
        const QImage plain = tabs().grab().toImage();
        form.focus_control(&pages, ui::Focus_Cause::Keyboard);
        ASSERT_TRUE(tabs().hasFocus());
        const QImage cued = tabs().grab().toImage();

        const QRect tab = tabs().tabRect(current);
        QRect ink;
        std::vector<QPoint> cue;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                if (tab.contains(x, y) && qGray(plain.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
                if (cued.pixel(x, y) != plain.pixel(x, y)) cue.emplace_back(x, y);
            }
        ASSERT_FALSE(ink.isEmpty()) << "the caption is drawn";
        ASSERT_FALSE(cue.empty()) << "the cue is drawn";
        QRect cue_box;
        int outside_the_tab = 0;
        int on_the_caption = 0;
        for (const QPoint& point : cue) {
            outside_the_tab += !tab.contains(point);
            on_the_caption += ink.contains(point);
            cue_box |= QRect(point, QSize(1, 1));
        }
        EXPECT_EQ(outside_the_tab, 0);
        EXPECT_EQ(on_the_caption, 0);
        EXPECT_TRUE(cue_box.contains(ink)) << "around the caption";
    }
}

TEST_F(Desktop_Test, CtrlTabAndCtrlPageKeysSwitchSheetsFromAnyControlWithoutReachingAKeyFilter) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const ui::Tab_Sheet* page;
    };
    const Case cases[] = {
        {Qt::Key_Tab, Qt::ControlModifier, &page_two},
        {Qt::Key_Tab, Qt::ControlModifier, &page_one},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, &page_two},
        {Qt::Key_PageUp, Qt::ControlModifier, &page_one},
        {Qt::Key_PageDown, Qt::ControlModifier, &page_two},
    };
    for (const Case& c : cases) {
        QTest::keyClick(&peer<QLineEdit>("First_Edit"), c.key, c.modifiers);
        EXPECT_EQ(pages.active_page(), c.page) << "Qt key " << c.key;
        EXPECT_EQ(tabs().currentIndex(), pages.active_page_index());
    }
    EXPECT_EQ(log, Log{}) << "neither a key filter nor a focus move";
    EXPECT_EQ(form.focused(), &first);
}

TEST_F(Desktop_Test, CtrlTabIntoAPageNeverShownBeforeTakesTheQtFocusToItsField) {
    QTest::mouseClick(&peer<QLineEdit>("Page_One_Edit"), Qt::LeftButton);
    QTest::keyClick(&peer<QLineEdit>("Page_One_Edit"), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.focused(), &page_two_edit);
    EXPECT_EQ(window().focusWidget(), &peer<QLineEdit>("Page_Two_Edit"));
}

// The controls' font is the application's own, so that no widget is first laid out in another;
// the drop-down menus speak in the menu bar's font, and follow it when it changes.
TEST_F(Desktop_Test, TheMenusSpeakInTheMenuBarsFontWhileTheControlsHaveTheirOwn) {
    EXPECT_EQ(QApplication::font(), ui::qt::to_qfont(ui::Font{}));
    EXPECT_EQ(peer<QLineEdit>("First_Edit").font(), ui::qt::to_qfont(form.font()));
    QMenuBar& bar = *window().findChild<QMenuBar*>();
    QMenu& file = peer<QMenu>("File_Menu");
    file.ensurePolished();
    EXPECT_EQ(file.font(), bar.font());
    bar.setFont(ui::qt::to_qfont(ui::font_of_height("Arial", 15)));
    EXPECT_EQ(file.font(), bar.font());
    EXPECT_EQ(file.font().pixelSize(), 15);
}

TEST_F(Desktop_Test, AMessageBoxSpeaksInTheFontOfItsWindow) {
    front_end.divert_messages(nullptr);
    QFont box_font;
    QFont text_font;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return ADD_FAILURE() << "no message box is shown";
        box_font = box->font();
        if (const auto* text = box->findChild<QLabel*>("qt_msgbox_label")) text_font = text->font();
        box->accept();
    });
    form.set_font(ui::font_of_height("Arial", 15));
    front_end.show_message({"Tdb is too high. Please reinput!!", "Error", ui::Message_Icon::Stop});
    const QFont expected = ui::qt::to_qfont(form.font());
    EXPECT_EQ(box_font.family(), expected.family());
    EXPECT_EQ(box_font.pixelSize(), 15);
    EXPECT_EQ(text_font.family(), expected.family());
    EXPECT_EQ(text_font.pixelSize(), 15);
}

// Qt draws no caret in a read-only field; the focus there must still be seen.
TEST_F(Desktop_Test, AReadOnlyFieldShowsItHasTheFocus) {
    second.set_text("12.5");
    second.set_read_only(true);
    QLineEdit& shown = peer<QLineEdit>("Second_Edit");
    const QImage unfocused = shown.grab().toImage();
    QTest::keyClick(&window(), Qt::Key_Tab);
    ASSERT_EQ(form.focused(), &second);
    second.set_selection(0, 0);
    EXPECT_NE(shown.grab().toImage(), unfocused);
}
