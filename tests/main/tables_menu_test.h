#pragma once

#include <functional>
#include <string>

#include "dialogs/about.h"
#include "dialogs/status.h"
#include "tables/tables.h"
#include "tests/main/main_window_test.h"

// The Tables menu entries in page order.
inline const Names Table_Entries = {"Twbf",  "WBDf",  "RHf",   "VPDf1", "VPDf2", "Tdpf1",
                                    "Tdpf2", "THIf1", "THIf2", "AHDf1", "AHDf2"};

// The four windows in the order of the start-up, connected as it connects them.
class Tables_Menu_Test : public Main_Window_Test {
protected:
    Tables_Menu_Test() {
        form.Connect_Dialogs(about_box, settings);
        form.Connect_Tables(tables);
    }

    // Chooses a Tables menu entry while the user does what act says in the tables window.
    void open(
        const std::string& item, const std::function<void(test_support::Driver&)>& act =
                                     [](test_support::Driver& driver) { driver.click("Btn_exit"); }) {
        front_end.answer_next_modal([act](ui::Form& window) {
            test_support::Driver driver(window);
            act(driver);
        });
        driver.menu(item);
    }

    // Chooses the entry and closes the window with its close box; the page it showed, or -1 when
    // it did not show.
    int shown_page(const std::string& item) {
        int page = -1;
        open(item, [&page](test_support::Driver& driver) {
            page = driver.get<ui::Page_Control>("psytable").active_page_index();
            driver.close();
        });
        return page;
    }

    dialogs::TAboutBox& about_box = application.create_form<dialogs::TAboutBox>();
    dialogs::Tconfig& settings = application.create_form<dialogs::Tconfig>();
    tables::Tpsytable& tables = application.create_form<tables::Tpsytable>();
};
