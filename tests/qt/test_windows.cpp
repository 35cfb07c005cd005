#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <stdexcept>

#include "tests/qt/qt_fixture.h"

namespace {

// A dialog with one button that closes it with OK.
class Dialog_Test : public Qt_Form_Test {
protected:
    Dialog_Test() {
        dialog.set_caption("Dialog");
        dialog.set_bounds({0, 0, 200, 80});
        ok.set_bounds({60, 30, 75, 25});
        ok.set_caption("OK");
        ok.set_modal_result(ui::Mr_Ok);
        ok.OnClick = [this](ui::Control&) { log.push_back("ok clicked"); };
    }

    // Does what the user does once the dialog's loop runs; a dialog that never opens fails.
    void when_dialog_runs(const std::function<void(QWidget& window)>& act) {
        QTimer::singleShot(0, [this, act] {
            QWidget* shown = front_end.window_of(dialog);
            if (shown == nullptr || !shown->isVisible()) return ADD_FAILURE() << "the dialog is not shown";
            act(*shown);
        });
    }

    ui::Form& dialog = app.create_form<ui::Form>("Dialog_Form");
    ui::Button& ok = dialog.create<ui::Button>(nullptr, "Ok_Button");
};

}  // namespace

TEST_F(Dialog_Test, AModalFormRunsUntilTheModelSetsItsResult) {
    when_dialog_runs([](QWidget& shown) {
        EXPECT_TRUE(shown.isModal());
        QTest::mouseClick(shown.findChild<QPushButton*>("Ok_Button"), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.show_modal(), ui::Mr_Ok);
    EXPECT_EQ(log, (Log{"ok clicked"}));
    EXPECT_FALSE(front_end.window_of(dialog)->isVisible());
    EXPECT_TRUE(window().isVisible());
}

TEST_F(Dialog_Test, EnterInAModalFormPressesItsFocusedButton) {
    when_dialog_runs([](QWidget& shown) { QTest::keyClick(&shown, Qt::Key_Return); });
    EXPECT_EQ(dialog.show_modal(), ui::Mr_Ok);
}

TEST_F(Dialog_Test, ClosingAModalWindowCancelsIt) {
    when_dialog_runs([](QWidget& shown) { shown.close(); });
    EXPECT_EQ(dialog.show_modal(), ui::Mr_Cancel);
    EXPECT_EQ(log, Log{});
    EXPECT_FALSE(front_end.window_of(dialog)->isVisible());
}

TEST_F(Dialog_Test, AModalFormCanRunAgain) {
    for (int run = 0; run < 2; ++run) {
        when_dialog_runs(
            [](QWidget& shown) { QTest::mouseClick(shown.findChild<QPushButton*>("Ok_Button"), Qt::LeftButton); });
        EXPECT_EQ(dialog.show_modal(), ui::Mr_Ok) << "run " << run;
    }
}

TEST_F(Qt_Form_Test, ClosingTheMainWindowLeavesTheDecisionToTheModel) {
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(app.terminated());
}

TEST_F(Qt_Form_Test, TheMainLoopRunsUntilTheModelEndsTheProgram) {
    QTimer::singleShot(0, [this] { QTest::keyClick(&peer<QLineEdit>("First_Edit"), '7'); });
    QTimer::singleShot(0, [this] { window().close(); });
    app.run();
    EXPECT_TRUE(app.terminated());
    EXPECT_EQ(first.text(), "7");
}

TEST_F(Qt_Form_Test, TheWindowIsTheClientAreaBelowTheMenuBarFixedInSize) {
    auto* bar = window().findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const int menu_height = bar->height();
    EXPECT_GT(menu_height, 0);
    EXPECT_EQ(window().size(), QSize(420, 300 + menu_height));
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    EXPECT_EQ(peer<QWidget>("First_Edit").parentWidget()->geometry(), QRect(0, menu_height, 420, 300));
    EXPECT_EQ(window().windowTitle(), "Test window");
    form.set_caption("Renamed");
    EXPECT_EQ(window().windowTitle(), "Renamed");
}

TEST_F(Qt_Form_Test, ChoosingAMenuItemRunsItInTheModel) {
    auto* menu = window().findChild<QMenu*>("File_Menu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&File");
    auto* item = window().findChild<QAction*>("Open_Item");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Open");
    item->trigger();
    EXPECT_EQ(log, (Log{"menu Open_Item"}));
}

TEST_F(Qt_Form_Test, AnErrorInAHandlerGoesToTheExceptionBox) {
    button.OnClick = [](ui::Control&) { throw std::runtime_error("Boom"); };
    QTest::mouseClick(&peer<QPushButton>("Go_Button"), Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Boom.");
    EXPECT_EQ(boxes[0].caption, "Testprog");
    EXPECT_EQ(boxes[0].icon, ui::Message_Icon::Stop);
}

TEST_F(Qt_Form_Test, TheQtFocusGoesToTheWindowWhenTheModelFocusesNoControl) {
    form.focus_control(nullptr);
    EXPECT_EQ(window().focusWidget(), &window());
}
