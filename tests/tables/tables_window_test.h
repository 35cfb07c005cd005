#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/math_error_boxes.h"
#include "tables/tables.h"
#include "tests/support/driver.h"
#include "tests/support/headless_front_end.h"
#include "ui/application.h"

using Texts = std::vector<std::string>;

// The tables window on its own, shown, with the settings dialog's kPa text and the main window's
// pressure as plain values.
class Tables_Window_Test : public ::testing::Test {
protected:
    Tables_Window_Test() {
        application.set_front_end(front_end);
        window.Connect_Patm({.text = [this] { return kpa_text; },
                             .acceptable = [](float P) { return P > 31.198f; },
                             .applied = [this] { return applied_patm; }});
        window.Get_Patm();
        window.show();
    }

    const tables::Table_Sheet& sheet(tables::Table_Kind kind) const {
        return window.Sheets[static_cast<std::size_t>(kind)];
    }
    void select(tables::Table_Kind kind) { driver.select_page(static_cast<int>(kind)); }
    std::string cell(int col, int row) const { return window.StringGrid_table->cell(col, row); }
    Texts messages() const {
        return {window.Message1->caption(), window.Message2->caption(), window.Message3->caption()};
    }
    // Lists the table of the sheet with these inputs.
    void list(tables::Table_Kind kind, const Texts& limits) {
        select(kind);
        const tables::Table_Sheet& inputs = sheet(kind);
        inputs.tdb_low->set_text(limits.at(0));
        inputs.tdb_high->set_text(limits.at(1));
        inputs.row_low->set_text(limits.at(2));
        inputs.row_high->set_text(limits.at(3));
        driver.click("Btn_count");
    }

    std::string kpa_text = "101.325";
    float applied_patm = 101.325f;
    test_support::Headless_Front_End front_end;
    ui::Application application{"Hygrodex.exe"};
    app::Math_Error_Boxes math_error_boxes{application};
    tables::Tpsytable& window = application.create_form<tables::Tpsytable>();
    test_support::Driver driver{window};
};
