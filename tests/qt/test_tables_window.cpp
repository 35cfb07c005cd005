#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "tables/tables.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qt_front_end.h"
#include "ui/qt/text.h"

namespace {

// The tables window shown through the Qt front end; its pictures are saved beside the test
// program for a look.
class Tables_On_Screen : public ::testing::Test {
protected:
    Tables_On_Screen() {
        application.set_front_end(front_end);
        window.Connect_Patm({.text = [] { return std::string("101.325"); },
                             .acceptable = [](float) { return true; },
                             .applied = [] { return 101.325f; }});
        window.Get_Patm();
        front_end.divert_messages([this](const ui::Message_Box& box) { boxes.push_back(box.text); });
        front_end.show(window);
    }

    QWidget& shown() const { return *front_end.window_of(window); }
    QTableView& grid_view() const { return *shown().findChild<QTableView*>("StringGrid_table"); }
    void save(const QString& file) { EXPECT_TRUE(shown().grab().save(QString(TEST_ARTEFACT_DIR "/") + file)); }
    void list(Table_Kind kind, const std::vector<std::string>& limits) {
        window.psytable->set_active_page(window.Sheets[kind].sheet);
        const Table_Sheet& sheet = window.Sheets[kind];
        sheet.tdb_low->set_text(limits[0]);
        sheet.tdb_high->set_text(limits[1]);
        sheet.row_low->set_text(limits[2]);
        sheet.row_high->set_text(limits[3]);
        window.Btn_countClick(*window.Btn_count);
    }

    ui::Application application{"Hygrodex"};
    ui::qt::Qt_Front_End front_end{application};
    Tpsytable& window = application.create_form<Tpsytable>();
    std::vector<std::string> boxes;
};

TEST_F(Tables_On_Screen, TheGridShowsTheModelsCellsWithFixedHeadersAndNoWidgetPerCell) {
    list(Table_twb, {"20", "40", "50", "100"});
    QTableView& view = grid_view();
    ASSERT_NE(view.model(), nullptr);
    EXPECT_EQ(view.model()->columnCount(), 21);
    EXPECT_EQ(view.model()->rowCount(), 11);
    EXPECT_EQ(view.model()->headerData(0, Qt::Horizontal).toString(), "20");
    EXPECT_EQ(view.model()->headerData(10, Qt::Vertical).toString(), "100");
    EXPECT_EQ(view.model()->index(0, 10).data().toString(), "21.84");
    EXPECT_FALSE(view.model()->flags(view.model()->index(0, 0)).testFlag(Qt::ItemIsEditable));
    EXPECT_EQ(view.horizontalHeader()->defaultSectionSize(), 41) << "40 pixels and the grid line";
    EXPECT_EQ(view.verticalHeader()->defaultSectionSize(), 16);
    save("hygrodex_tables_twb.png");

    list(Table_vpd1, {"-40", "958", "0", "4990"});
    EXPECT_EQ(view.model()->columnCount(), 999);
    EXPECT_EQ(view.model()->rowCount(), 999);
    EXPECT_LT(view.findChildren<QWidget*>().size(), 40);
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    save("hygrodex_tables_scrolled_to_the_end.png");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Tables_On_Screen, TheTabsSitBelowThePages) {
    const QTabBar& tabs = *shown().findChild<QWidget*>("psytable")->findChild<QTabBar*>();
    const QWidget& page = *shown().findChild<QWidget*>("Sheet_vpd1");
    EXPECT_EQ(tabs.shape(), QTabBar::RoundedSouth);
    EXPECT_GE(tabs.geometry().top(), page.geometry().bottom());
    EXPECT_EQ(tabs.count(), 11);
}

// The page control holds one row of tabs: all eleven fit in its 385 pixels, without scroll
// arrows. The window with its tabs focused is saved for a look at the focus cue.
TEST_F(Tables_On_Screen, TheElevenTabsFitInOneRow) {
    QTabBar& tabs = *shown().findChild<QWidget*>("psytable")->findChild<QTabBar*>();
    ASSERT_EQ(tabs.count(), 11);
    EXPECT_EQ(tabs.width(), 385);
    for (int index = 0; index < tabs.count(); ++index)
        EXPECT_TRUE(tabs.rect().contains(tabs.tabRect(index))) << tabs.tabText(index).toStdString();
    for (const QToolButton* arrow : tabs.findChildren<QToolButton*>()) EXPECT_FALSE(arrow->isVisible());
    QApplication::setActiveWindow(&shown());
    window.focus_control(window.psytable);
    EXPECT_TRUE(tabs.hasFocus());
    save("hygrodex_tables_focused_tabs.png");
}

// Tabs moved to the bottom take a new style sheet; they keep the page control's font all the same.
TEST_F(Tables_On_Screen, TheTabsSpeakInTheFontOfTheirPageControl) {
    const QTabBar& tabs = *shown().findChild<QWidget*>("psytable")->findChild<QTabBar*>();
    const QFontInfo used(tabs.font());
    const QFontInfo wanted(ui::qt::to_qfont(window.psytable->font()));
    EXPECT_EQ(used.family(), wanted.family());
    EXPECT_EQ(used.pixelSize(), wanted.pixelSize());
}

TEST_F(Tables_On_Screen, ResizingTheWindowResizesTheTableAndTheGrid) {
    shown().resize(804, 593);
    QApplication::processEvents();
    EXPECT_EQ(window.client_width(), 804);
    EXPECT_EQ(window.StringGrid_table->bounds().width, 783);
    EXPECT_EQ(grid_view().width(), 783);
    EXPECT_EQ(grid_view().height(), 446);
    list(Table_thi1, {"-10", "40", "0", "100"});
    save("hygrodex_tables_enlarged.png");
}

TEST_F(Tables_On_Screen, AMouseDragSelectsARangeOfCellsInTheModel) {
    list(Table_twb, {"20", "40", "50", "100"});
    QTableView& view = grid_view();
    const QPoint from = view.visualRect(view.model()->index(1, 1)).center();
    const QPoint to = view.visualRect(view.model()->index(3, 2)).center();
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, view.viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &move);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
    EXPECT_EQ(window.StringGrid_table->selection(), (ui::Cell_Range{2, 2, 3, 4}));
    EXPECT_EQ(window.focused(), window.StringGrid_table);
    EXPECT_EQ(view.selectionModel()->selectedIndexes().size(), 6);
}

}  // namespace
