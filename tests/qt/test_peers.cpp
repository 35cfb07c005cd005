#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QtTest/QTest>

#include "tests/qt/qt_fixture.h"

namespace {

// Sends a mouse move or press at a position between pixels, as a tablet or a scaled screen does.
void send_mouse(QWidget& widget, QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::NoButton) {
    const Qt::MouseButtons held = type == QEvent::MouseMove ? Qt::MouseButtons() : Qt::MouseButtons(button);
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

}  // namespace

TEST_F(Qt_Form_Test, TypedKeysGoThroughTheKeyFilterIntoTheModelsFocusedField) {
    QTest::keyClicks(&peer<QLineEdit>("First_Edit"), "12");
    // Whichever widget Qt hands the key to, it is the model's focused field that takes it.
    QTest::keyClick(&peer<QLineEdit>("Second_Edit"), '3');
    EXPECT_EQ(log, (Log{"key 49", "key 50", "key 51"}));
    EXPECT_EQ(first.text(), "123");
    EXPECT_EQ(peer<QLineEdit>("First_Edit").text(), "123");
    EXPECT_EQ(second.text(), "");
}

TEST_F(Qt_Form_Test, AKeyTheFilterDropsChangesNothing) {
    first.set_text("12");
    QTest::keyClick(&peer<QLineEdit>("First_Edit"), 'x');
    EXPECT_EQ(log, (Log{"key 120"}));
    EXPECT_EQ(first.text(), "12");
    EXPECT_EQ(peer<QLineEdit>("First_Edit").text(), "12");
}

TEST_F(Qt_Form_Test, ControlKeysReachTheKeyFilterAsControlCharacters) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int character;
    };
    const Case cases[] = {
        {Qt::Key_V, Qt::ControlModifier, 22},    {Qt::Key_C, Qt::ControlModifier, 3},
        {Qt::Key_Backspace, Qt::NoModifier, 8},  {Qt::Key_Return, Qt::NoModifier, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, 13}, {Qt::Key_Escape, Qt::NoModifier, 27},
    };
    for (const Case& c : cases) {
        log.clear();
        QTest::keyClick(&peer<QLineEdit>("First_Edit"), c.key, c.modifiers);
        EXPECT_EQ(log, (Log{"key " + std::to_string(c.character)})) << "Qt key " << c.key;
    }
    EXPECT_EQ(first.text(), "");
}

TEST_F(Qt_Form_Test, TabMovesTheModelsFocusAndTheQtFocusFollows) {
    QTest::keyClick(&peer<QLineEdit>("First_Edit"), Qt::Key_Tab);
    EXPECT_EQ(log, (Log{"exit First_Edit", "enter Second_Edit"}));
    EXPECT_EQ(form.focused(), &second);
    EXPECT_EQ(window().focusWidget(), &peer<QLineEdit>("Second_Edit"));
    // Tab selects the whole text of the field it enters.
    log.clear();
    second.set_text("42");
    QTest::keyClick(&window(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(&window(), Qt::Key_Tab);
    EXPECT_EQ(log, (Log{"exit Second_Edit", "enter First_Edit", "exit First_Edit", "enter Second_Edit"}));
    EXPECT_EQ(peer<QLineEdit>("Second_Edit").selectedText(), "42");
}

TEST_F(Qt_Form_Test, ClickingAButtonTakesTheFocusBeforeTheClick) {
    QTest::mouseClick(&peer<QPushButton>("Go_Button"), Qt::LeftButton);
    EXPECT_EQ(log, (Log{"exit First_Edit", "enter Go_Button", "click Go_Button"}));
    EXPECT_EQ(form.focused(), &button);
    EXPECT_EQ(window().focusWidget(), &peer<QPushButton>("Go_Button"));
}

TEST_F(Qt_Form_Test, APressReleasedOutsideTheButtonIsNoClick) {
    QPushButton& shown = peer<QPushButton>("Go_Button");
    QTest::mousePress(&shown, Qt::LeftButton);
    QTest::mouseRelease(&shown, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(log, Log{});
}

TEST_F(Qt_Form_Test, ACheckBoxClickTogglesTheModelOnceAndQtShowsTheModel) {
    QCheckBox& shown = peer<QCheckBox>("Tick_Box");
    QTest::mouseClick(&shown, Qt::LeftButton);
    EXPECT_TRUE(tick.checked());
    EXPECT_TRUE(shown.isChecked());
    EXPECT_EQ(log, (Log{"exit First_Edit", "enter Tick_Box", "click Tick_Box"}));
    QTest::mouseClick(&shown, Qt::LeftButton);
    EXPECT_FALSE(tick.checked());
    EXPECT_FALSE(shown.isChecked());
    tick.set_checked(true);
    EXPECT_TRUE(shown.isChecked());
}

TEST_F(Qt_Form_Test, ATabClickSwitchesTheModelsPageAndTheShownPageFollowsTheModel) {
    auto* tabs = peer<QWidget>("Pages").findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), "Two");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(pages.active_page(), &page_two);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(peer<QWidget>("Page_Two").isVisible());
    EXPECT_FALSE(peer<QWidget>("Page_One").isVisible());

    pages.set_active_page(&page_one);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(peer<QWidget>("Page_One").isVisible());
    EXPECT_FALSE(peer<QWidget>("Page_Two").isVisible());
}

// A click on a tab gives the tabs the Qt focus once the field is left, and Left and Right then
// switch the pages; an exit that raises keeps the page and the focus where they were.
TEST_F(Qt_Form_Test, ATabClickGivesTheTabsTheFocusForLeftAndRightUnlessTheExitRaises) {
    QTest::mouseClick(&peer<QLineEdit>("Page_One_Edit"), Qt::LeftButton);
    auto* tabs = peer<QWidget>("Pages").findChild<QTabBar*>();
    page_one_edit.OnExit = [](ui::Control&) { throw std::runtime_error("Bad"); };
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(pages.active_page(), &page_one);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(window().focusWidget(), &peer<QLineEdit>("Page_One_Edit"));
    ASSERT_EQ(boxes.size(), 1u);

    page_one_edit.OnExit = nullptr;
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(pages.active_page(), &page_two);
    EXPECT_EQ(form.focused(), &pages);
    EXPECT_EQ(window().focusWidget(), tabs);
    for (const auto& [key, page] : {std::pair{Qt::Key_Left, &page_one}, {Qt::Key_Right, &page_two}}) {
        QTest::keyClick(tabs, key);
        EXPECT_EQ(pages.active_page(), page);
        EXPECT_EQ(tabs->currentIndex(), pages.active_page_index());
    }
}

TEST_F(Qt_Form_Test, APageMakesItsPeersOnceAtItsFirstShowingWithTheModelsStateOfThen) {
    EXPECT_EQ(window().findChild<QLineEdit*>("Page_Two_Edit"), nullptr) << "not shown yet";
    page_two_edit.set_text("7.5");
    page_two_edit.set_read_only(true);
    pages.set_active_page(&page_two);
    QLineEdit& shown = peer<QLineEdit>("Page_Two_Edit");
    EXPECT_EQ(shown.text(), "7.5");
    EXPECT_TRUE(shown.isReadOnly());
    EXPECT_TRUE(shown.isVisible());
    pages.set_active_page(&page_one);
    page_two_edit.set_text("8");
    pages.set_active_page(&page_two);
    EXPECT_EQ(window().findChildren<QLineEdit*>("Page_Two_Edit").size(), 1);
    EXPECT_EQ(shown.text(), "8");
}

TEST_F(Qt_Form_Test, ModelChangesOfAFieldShowInTheQtField) {
    QLineEdit& shown = peer<QLineEdit>("Second_Edit");
    second.set_text("42.5");
    EXPECT_EQ(shown.text(), "42.5");
    second.set_focus();
    second.set_selection(1, 2);
    EXPECT_EQ(shown.selectedText(), "2.");
    second.set_read_only(true);
    EXPECT_TRUE(shown.isReadOnly());
    EXPECT_FALSE(shown.testAttribute(Qt::WA_InputMethodEnabled));
    second.set_enabled(false);
    EXPECT_FALSE(shown.isEnabled());
    second.set_visible(false);
    EXPECT_FALSE(shown.isVisible());
}

TEST_F(Qt_Form_Test, PressingIntoAFieldPutsTheCaretWhereItWasPressed) {
    second.set_text("12345");
    QLineEdit& shown = peer<QLineEdit>("Second_Edit");
    QTest::mouseClick(&shown, Qt::LeftButton, {}, QPoint(shown.width() - 3, shown.height() / 2));
    EXPECT_EQ(log, (Log{"exit First_Edit", "enter Second_Edit"}));
    EXPECT_EQ(form.focused(), &second);
    EXPECT_EQ(second.sel_start(), 5);
    EXPECT_EQ(second.sel_length(), 0);
    QTest::mouseClick(&shown, Qt::LeftButton, {}, QPoint(1, shown.height() / 2));
    EXPECT_EQ(second.sel_start(), 0);
    EXPECT_EQ(shown.cursorPosition(), 0);
}

TEST_F(Qt_Form_Test, CaptionsShowADoubledAmpersandAsOne) {
    EXPECT_EQ(peer<QLabel>("Amp_Label").text(), "A & B");
    // Buttons and group boxes read "&" as a mnemonic: "&&" is how Qt shows one "&".
    EXPECT_EQ(peer<QPushButton>("Go_Button").text(), "A && B");
    EXPECT_EQ(peer<QGroupBox>("Amp_Group").title(), "A && B");
    label.set_caption("&Mnemonic");
    EXPECT_EQ(peer<QLabel>("Amp_Label").text(), "Mnemonic");
}

TEST_F(Qt_Form_Test, MouseOverTheImageGoesToTheModelInWholePixels) {
    QWidget& shown = peer<QWidget>("Chart");
    EXPECT_TRUE(shown.hasMouseTracking());
    EXPECT_EQ(shown.cursor().shape(), Qt::CrossCursor);
    send_mouse(shown, QEvent::MouseMove, {10.75, 5.5});
    send_mouse(shown, QEvent::MouseMove, {-0.5, 3.2});
    send_mouse(shown, QEvent::MouseButtonPress, {20.9, 7.1}, Qt::LeftButton);
    EXPECT_EQ(log, (Log{"move 10 5", "move -1 3", "down 20 7"}));
}

TEST_F(Qt_Form_Test, MovesOverTheFormsBackgroundGoToTheForm) {
    form.OnMouseMove = [this](ui::Control& sender, ui::Shift_State, int x, int y) {
        log.push_back(sender.name() + " " + std::to_string(x) + " " + std::to_string(y));
    };
    form.changed();
    QWidget& client = *peer<QLineEdit>("First_Edit").parentWidget();
    send_mouse(client, QEvent::MouseMove, {300.5, 200.9});
    // A control without OnMouseMove keeps its moves: the form does not get them.
    send_mouse(peer<QLineEdit>("First_Edit"), QEvent::MouseMove, {3, 3});
    EXPECT_EQ(log, (Log{"Test_Form 300 200"}));
}

TEST_F(Qt_Form_Test, TheTrackBarFollowsPressesAndKeys) {
    QSlider& shown = peer<QSlider>("Step_Bar");
    QTest::mouseClick(&shown, Qt::LeftButton, {}, QPoint(shown.width() - 1, shown.height() / 2));
    EXPECT_EQ(form.focused(), &step_bar);
    EXPECT_EQ(step_bar.position(), 10);
    QTest::keyClick(&shown, Qt::Key_Left);
    EXPECT_EQ(step_bar.position(), 9);
    EXPECT_EQ(shown.value(), 9);
    QTest::mouseClick(&shown, Qt::LeftButton, {}, QPoint(0, shown.height() / 2));
    EXPECT_EQ(step_bar.position(), 1);
    EXPECT_EQ(shown.tickPosition(), QSlider::TicksBelow);
}

TEST_F(Qt_Form_Test, PeersStandAtTheModelsBoundsAndTheStatusBarAtTheBottom) {
    EXPECT_EQ(peer<QWidget>("Second_Edit").geometry(), QRect(10, 35, 80, 17));
    EXPECT_EQ(peer<QWidget>("Amp_Label").geometry(), QRect(8, 20, 160, 17));
    EXPECT_EQ(peer<QWidget>("Status").geometry(), QRect(0, 280, 420, 20));
    second.set_bounds({20, 45, 90, 17});
    EXPECT_EQ(peer<QWidget>("Second_Edit").geometry(), QRect(20, 45, 90, 17));
    for (QWidget* widget : window().findChildren<QWidget*>())
        EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << widget->objectName().toStdString();
}

TEST_F(Qt_Form_Test, AScreenshotOfTheFormIsSavedAsAnArtefact) {
    first.set_text("25.0");
    second.set_text("Selected");
    second.set_focus();
    tick.set_checked(true);
    button.set_glyph("arrow-up-right");
    const QString path = QDir(TEST_ARTEFACT_DIR).filePath("test_qt_form.png");
    EXPECT_TRUE(window().grab().save(path));
}
