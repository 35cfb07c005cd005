#include <string>

#include "tests/main/main_window_test.h"

namespace {

// The walks follow the fields that the layout names, not places in a container's child list: one
// more control at the end of a sheet leaves every walk as it was.
class Walks_From_Layout : public Main_Window_Test {
protected:
    Walks_From_Layout() { form.show(); }

    Names walk_from(const std::string& sheet_name, const std::string& first, std::size_t steps) {
        ui::Tab_Sheet* sheet = &driver.get<ui::Tab_Sheet>(sheet_name);
        driver.get<ui::Page_Control>("PageControl1").set_active_page(sheet);
        form.create<ui::Button>(sheet, "Added_" + first);
        driver.press_into(first);
        Names focused;
        for (std::size_t step = 0; step < steps; ++step) {
            driver.enter();
            focused.push_back(driver.focused_name());
        }
        return focused;
    }
};

TEST_F(Walks_From_Layout, AnAddedControlChangesNoWalk) {
    EXPECT_EQ(walk_from("Sheet_state", "Edit_sv", 5),
              (Names{"Edit_hfg", "Edit_dos", "Edit_pws", "Edit_pw", "Edit_tdb"}));
    EXPECT_EQ(walk_from("Sheet_two", "Edit_2pws1", 2), (Names{"Edit_2pw1", "Edit_2tdb1"}));
    EXPECT_EQ(walk_from("Sheet_pad", "Edit_ppw1", 4),
              (Names{"Edit_ptdb2", "Edit_peff", "Btn_efficiency", "Btn_efficiency"}));
    EXPECT_EQ(walk_from("Sheet_pad", "Edit_ppw2", 1), (Names{"Edit_ptdb1"}));
    EXPECT_EQ(walk_from("Sheet_vpd", "Edit_vpw1", 2), (Names{"Edit_vtdb2", "Btn_vpd"}));
}

}  // namespace
