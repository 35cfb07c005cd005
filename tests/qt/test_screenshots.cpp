#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QWidget>

#include "app/math_error_boxes.h"
#include "dialogs/about.h"
#include "dialogs/status.h"
#include "main/psy.h"
#include "tests/qt/menu_fonts.h"
#include "ui/containers.h"
#include "ui/qt/qt_front_end.h"

using app::Math_Error_Boxes;
using chart::Mode_State;
using dialogs::TAboutBox;
using dialogs::Tconfig;
using hygrodex::TForm1;

namespace {

// The main window shown through the Qt front end; its pictures are saved beside the test
// program for a look.
class Screenshots : public ::testing::Test {
protected:
    Screenshots() {
        application.set_front_end(front_end);
        front_end.show(window);
    }

    void save(const QString& file) { save(window, file); }
    void save(const ui::Form& form, const QString& file) {
        QWidget* shown = front_end.window_of(form);
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->grab().save(QString(TEST_ARTEFACT_DIR "/") + file));
    }

    ui::Application application{"Hygrodex"};
    Math_Error_Boxes math_error_boxes{application};
    ui::qt::Qt_Front_End front_end{application};
    TForm1& window = application.create_form<TForm1>();
};

TEST_F(Screenshots, TheMainWindowAtStartUpAndEachSheet) {
    EXPECT_EQ(front_end.window_of(window)->width(), 792);
    save("hygrodex_main_window.png");
    for (ui::Tab_Sheet* page : window.get<ui::Page_Control>("PageControl1").pages()) {
        window.get<ui::Page_Control>("PageControl1").set_active_page(page);
        save(QString("hygrodex_sheet_%1.png").arg(page->caption().c_str()));
    }
}

// At the start the sheet tabs have the focus; its cue stands around the current tab's caption.
TEST_F(Screenshots, TheMainWindowWithItsTabsFocused) {
    QWidget& shown = *front_end.window_of(window);
    QApplication::setActiveWindow(&shown);
    EXPECT_EQ(window.focused(), &window.get<ui::Page_Control>("PageControl1"));
    EXPECT_TRUE(shown.findChild<QWidget*>("PageControl1")->hasFocus());
    save("hygrodex_focused_tabs.png");
}

// The drop-down menus speak in the menu bar's font, the window's "MS Sans Serif" of 8 points.
TEST_F(Screenshots, TheMenusAreDrawnInTheMenuBarsFont) {
    const QWidget& shown = *front_end.window_of(window);
    EXPECT_EQ(drawn_font(*shown.findChild<QMenuBar*>()), "Liberation Sans 11");
    const std::vector<std::string> fonts = drop_down_fonts(shown);
    EXPECT_GE(fonts.size(), 4u) << "the four menus of the layout, beside the bar's own for what does not fit";
    EXPECT_EQ(fonts, in_the_bars_font(shown));
    QMenu& tables = *shown.findChild<QMenu*>("Tables1");
    tables.popup(shown.mapToGlobal(QPoint(0, 0)));
    EXPECT_TRUE(tables.grab().save(QString(TEST_ARTEFACT_DIR "/hygrodex_tables_menu.png")));
    tables.hide();
}

TEST_F(Screenshots, TheChartWithEveryLineFamilyAtEachZoom) {
    for (const char* line_switch : {"Check_T", "Check_RH", "Check_AH", "Check_Pw", "Check_H", "Check_SV"})
        window.get<ui::Check_Box>(line_switch).set_checked(true);
    // From the start's span of 10, ZoomIn once to 5, then ZoomOut eleven times to 60.
    const struct {
        const char* button;
        int presses;
        int half_span;
        const char* file;
    } zooms[] = {{"ZoomIn", 0, 10, "hygrodex_chart_all_lines.png"},
                 {"ZoomIn", 1, 5, "hygrodex_chart_half_span_5.png"},
                 {"ZoomOut", 11, 60, "hygrodex_chart_half_span_60.png"}};
    for (const auto& zoom : zooms) {
        for (int press = 0; press < zoom.presses; ++press) window.get<ui::Button>(zoom.button).click();
        ASSERT_EQ(window.view().Chart.Half_Span, zoom.half_span);
        window.Draw_Chart(Mode_State);
        save(zoom.file);
    }
}

TEST_F(Screenshots, TheSettingsDialogAndTheAboutBox) {
    auto& about_box = application.create_form<TAboutBox>();
    auto& settings = application.create_form<Tconfig>();
    const struct {
        ui::Form& form;
        int width;
        int height;
        const char* file;
    } dialogs[] = {{settings, 382, 118, "hygrodex_settings_dialog.png"},
                   {about_box, 329, 240, "hygrodex_about_box.png"}};
    for (const auto& dialog : dialogs) {
        front_end.show(dialog.form);
        const QWidget& shown = *front_end.window_of(dialog.form);
        EXPECT_EQ(shown.size(), QSize(dialog.width, dialog.height));
        // A dialog border: the title bar offers neither minimise nor maximise.
        EXPECT_FALSE(shown.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        save(dialog.form, dialog.file);
    }
}

}  // namespace
