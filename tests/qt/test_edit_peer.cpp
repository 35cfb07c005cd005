#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QtTest/QTest>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/qt/qt_fixture.h"

namespace {

// The second field of the test form holding "20.125", and the mouse and menu of its peer.
class Edit_Peer_Test : public Qt_Form_Test {
protected:
    Edit_Peer_Test() { second.set_text("20.125"); }

    QLineEdit& shown() const { return peer<QLineEdit>("Second_Edit"); }

    // A point in the field where a press puts the caret at position.
    QPoint point_at(int position) const {
        const int middle = shown().height() / 2;
        for (int x = 0; x < shown().width(); ++x)
            if (shown().cursorPositionAt({x, middle}) == position) return {x, middle};
        throw std::logic_error("no point for position " + std::to_string(position));
    }

    void drag(int from, int to) {
        QTest::mousePress(&shown(), Qt::LeftButton, {}, point_at(from));
        QMouseEvent move(QEvent::MouseMove, point_at(to), shown().mapToGlobal(point_at(to)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&shown(), &move);
        QTest::mouseRelease(&shown(), Qt::LeftButton, {}, point_at(to));
    }

    // Right-clicks the field; while its menu is open, inside hands it over and may choose an entry.
    void open_menu(const std::function<void(QMenu& menu)>& inside) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            opened = true;
            inside(*menu);
            if (menu->isVisible()) menu->close();
        });
        const QPoint at = point_at(0);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, shown().mapToGlobal(at));
        QApplication::sendEvent(&shown(), &event);
        EXPECT_TRUE(opened) << "no context menu";
    }

    // The menu's entries as "caption" or "caption (off)", and "-" for a separator.
    static std::vector<std::string> entries(const QMenu& menu) {
        std::vector<std::string> listed;
        for (const QAction* action : menu.actions()) {
            if (action->isSeparator()) listed.push_back("-");
            else listed.push_back(action->text().toStdString() + (action->isEnabled() ? "" : " (off)"));
        }
        return listed;
    }

    static void choose(QMenu& menu, const QString& caption) {
        for (QAction* action : menu.actions())
            if (action->text() == caption)
                return QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
        ADD_FAILURE() << "no entry " << caption.toStdString();
    }

    // How many pixels of the field show the selection's highlight.
    int highlighted_pixels() const {
        const QImage picture = shown().grab().toImage();
        const QColor highlight(0x00, 0x78, 0xD7);
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) count += picture.pixelColor(x, y) == highlight ? 1 : 0;
        return count;
    }

    static void save(QWidget& widget, const char* file) {
        EXPECT_TRUE(widget.grab().save(QDir(TEST_ARTEFACT_DIR).filePath(file)));
    }
};

TEST_F(Edit_Peer_Test, ADragAndADoubleClickSelectInTheModelAndQtShowsItInTheHighlightColours) {
    drag(1, 4);
    EXPECT_EQ(log, (Log{"exit First_Edit", "enter Second_Edit"}));
    EXPECT_EQ(second.selected_text(), "0.1");
    EXPECT_EQ(shown().selectedText(), "0.1");
    EXPECT_GT(highlighted_pixels(), 0);
    save(window(), "test_edit_selection.png");

    drag(5, 2);
    EXPECT_EQ(second.selected_text(), ".12");
    EXPECT_EQ(shown().cursorPosition(), 2) << "the caret stays where the drag ended";

    QTest::mouseDClick(&shown(), Qt::LeftButton, {}, point_at(3));
    EXPECT_EQ(second.selected_text(), "20.125");
    EXPECT_EQ(shown().selectedText(), "20.125");

    QTest::mouseClick(&shown(), Qt::LeftButton, {}, point_at(3));
    EXPECT_EQ(second.sel_length(), 0);
    EXPECT_EQ(highlighted_pixels(), 0);
}

TEST_F(Edit_Peer_Test, ShiftKeysSelectAndATypedKeyReplacesTheSelection) {
    QTest::mouseClick(&shown(), Qt::LeftButton, {}, point_at(6));
    QTest::keyClick(&shown(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&shown(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(shown().selectedText(), "25");
    QTest::keyClick(&shown(), Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(second.selected_text(), "20.125");
    QTest::keyClick(&shown(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&shown(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(shown().selectedText(), ".125");
    QTest::keyClick(&shown(), Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(second.selected_text(), "");
    QTest::keyClick(&shown(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(&shown(), "7");
    EXPECT_EQ(second.text(), "20.127");
    EXPECT_EQ(shown().text(), "20.127");
}

TEST_F(Edit_Peer_Test, TheContextMenuOffersWhatAppliesAndRunsTheChosenCommandInTheModel) {
    QGuiApplication::clipboard()->setText("abc");
    QTest::mouseDClick(&shown(), Qt::LeftButton, {}, point_at(2));
    open_menu([&](QMenu& menu) {
        EXPECT_EQ(entries(menu), (std::vector<std::string>{"&Undo (off)", "-", "Cu&t", "&Copy", "&Paste", "&Delete",
                                                           "-", "Select &All (off)"}));
        save(menu, "test_edit_menu.png");
        choose(menu, "&Copy");
    });
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "20.125");
    open_menu([&](QMenu& menu) { choose(menu, "&Paste"); });
    EXPECT_EQ(second.text(), "20.125");
    QGuiApplication::clipboard()->setText("abc");
    QTest::mouseDClick(&shown(), Qt::LeftButton, {}, point_at(2));
    open_menu([&](QMenu& menu) { choose(menu, "&Paste"); });
    EXPECT_EQ(second.text(), "abc");
    EXPECT_EQ(shown().text(), "abc");
    open_menu([&](QMenu& menu) { EXPECT_EQ(entries(menu).front(), "&Undo"); });
}

TEST_F(Edit_Peer_Test, TheSelectionIsHiddenWhileAnotherFieldHasTheFocusAndShowsAgainOnARightClick) {
    drag(1, 4);
    QTest::mouseClick(&peer<QLineEdit>("First_Edit"), Qt::LeftButton);
    EXPECT_EQ(shown().selectedText(), "");
    EXPECT_EQ(highlighted_pixels(), 0);
    open_menu([&](QMenu& menu) { EXPECT_EQ(entries(menu).at(2), "Cu&t"); });
    EXPECT_EQ(shown().selectedText(), "0.1");
}

TEST_F(Edit_Peer_Test, AReadOnlyFieldOffersCopyAndSelectAllAndStillSelectsByDrag) {
    second.set_read_only(true);
    open_menu([&](QMenu& menu) {
        EXPECT_EQ(entries(menu), (std::vector<std::string>{"&Copy (off)", "-", "Select &All"}));
        choose(menu, "Select &All");
    });
    EXPECT_EQ(form.focused(), &second) << "a right-click focuses the field";
    EXPECT_EQ(log, (Log{"exit First_Edit", "enter Second_Edit"}));
    EXPECT_EQ(shown().selectedText(), "20.125");
    drag(1, 4);
    EXPECT_EQ(second.selected_text(), "0.1");
    EXPECT_EQ(window().focusWidget(), &shown());
}

}  // namespace
