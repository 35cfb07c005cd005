#include <gtest/gtest.h>

#include <QWidget>

#include "main/psy.h"
#include "ui/qt/qt_front_end.h"

namespace {

// Each program window as the user first sees it, saved beside the test program for a look.
TEST(Screenshots, TheMainWindowAtStartUp) {
    ui::Application application("Hygrodex");
    ui::qt::Qt_Front_End front_end(application);
    application.set_front_end(front_end);
    auto& window = application.create_form<TForm1>();
    front_end.show(window);
    QWidget* shown = front_end.window_of(window);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->width(), 792);
    EXPECT_TRUE(shown->grab().save(TEST_ARTEFACT_DIR "/hygrodex_main_window.png"));
    for (ui::Tab_Sheet* page : window.PageControl1->pages()) {
        window.PageControl1->set_active_page(page);
        const QString file = QString(TEST_ARTEFACT_DIR "/hygrodex_sheet_%1.png").arg(page->caption().c_str());
        EXPECT_TRUE(shown->grab().save(file));
    }
}

}  // namespace
