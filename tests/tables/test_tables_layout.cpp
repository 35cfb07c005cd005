#include "tests/tables/tables_window_test.h"

using tables::Row_Axis;
using tables::Table_Sheet;
using tables::Table_Sheet_Definition;
using tables::Table_Sheets;
using tables::Table_twb;

namespace {

using Layout = Tables_Window_Test;
using Kind = ui::Control_Kind;

Texts names_of(const std::vector<ui::Control*>& controls) {
    Texts names;
    for (const ui::Control* control : controls) names.push_back(control->name());
    return names;
}

Texts names_of(const std::vector<ui::Win_Control*>& controls) {
    return names_of(std::vector<ui::Control*>(controls.begin(), controls.end()));
}

TEST_F(Layout, TheWindowIsSizeableWithoutMinimiseButton) {
    EXPECT_EQ(window.name(), "psytable");
    EXPECT_EQ(window.caption(), "Psytable");
    EXPECT_EQ(window.client_width(), 604);
    EXPECT_EQ(window.client_height(), 393);
    EXPECT_TRUE(window.sizeable());
    EXPECT_FALSE(window.minimize_box());
    EXPECT_EQ(window.font().name, "MS Sans Serif");
    EXPECT_EQ(window.font().size, 8);
}

TEST_F(Layout, TheWindowsControlsInCreationAndTabOrder) {
    EXPECT_EQ(names_of(window.children()),
              (Texts{"label_patm", "GroupBox1", "Btn_count", "Btn_exit", "Btn_cls", "psytable", "gtable"}));
    EXPECT_EQ(names_of(window.tab_list()),
              (Texts{"psytable", "Btn_count", "Btn_exit", "gtable", "Btn_cls", "GroupBox1"}));
    const struct {
        std::string name;
        ui::Rect bounds;
        std::string caption;
    } expected[] = {
        {"label_patm", {440, 0, 150, 13}, "Patm : 101.325 kPa"},
        {"GroupBox1", {392, 16, 201, 73}, "Message"},
        {"Message1", {8, 16, 185, 17}, ""},
        {"Message3", {8, 48, 185, 17}, ""},
        {"Btn_count", {392, 96, 57, 25}, "List"},
        {"Btn_exit", {536, 96, 57, 25}, "Quit"},
        {"Btn_cls", {464, 96, 57, 25}, "Clear"},
        {"psytable", {0, 0, 385, 121}, ""},
        {"gtable", {0, 122, 599, 270}, "Table"},
        {"StringGrid_table", {8, 16, 583, 246}, ""},
    };
    for (const auto& control : expected) {
        EXPECT_EQ(window.find(control.name)->bounds(), control.bounds) << control.name;
        EXPECT_EQ(window.find(control.name)->caption(), control.caption) << control.name;
    }
    EXPECT_EQ(window.Btn_exit->modal_result(), ui::Mr_Cancel);
    EXPECT_EQ(window.Btn_count->modal_result(), ui::Mr_None);
    EXPECT_FALSE(window.Message2->transparent());
    EXPECT_EQ(window.Message2->color(), ui::Color_Info_Background);
    EXPECT_EQ(window.Message2->alignment(), ui::Alignment::Center);
}

TEST_F(Layout, ElevenSheetsWithTabsAtTheBottom) {
    EXPECT_EQ(window.psytable->tab_position(), ui::Tab_Position::Bottom);
    Texts captions;
    for (const ui::Tab_Sheet* page : window.psytable->pages()) captions.push_back(page->caption());
    EXPECT_EQ(captions, (Texts{"Twb", "WBD", "RH", "VPD", "VPD'", "Tdp1", "Tdp2", "THI1", "THI2", "AHD", "AHD'"}));
    EXPECT_EQ(window.psytable->active_page()->name(), "Sheet_vpd1");
}

TEST_F(Layout, EverySheetHoldsOneGroupOfTwelveLabelsThenSixInputs) {
    for (const Table_Sheet_Definition& definition : Table_Sheets) {
        const std::string tag(definition.tag);
        const bool rh_rows = definition.rows == Row_Axis::RH;
        const std::string quantity = rh_rows ? "rh" : "twb";
        const Table_Sheet& inputs = sheet(definition.kind);
        EXPECT_EQ(inputs.sheet->name(), "Sheet_" + tag);
        EXPECT_EQ(names_of(inputs.sheet->children()), Texts{"Group_" + tag});
        EXPECT_EQ(inputs.group->caption(), definition.group_caption);
        EXPECT_EQ(inputs.group->bounds(), (ui::Rect{8, 0, 361, 89}));

        const auto& l = definition.label_names;
        const Texts names = {std::string(l[0]),
                             "Label_" + tag + "1step",
                             "Label_" + tag + "2step",
                             std::string(l[1]),
                             std::string(l[2]),
                             std::string(l[3]),
                             std::string(l[4]),
                             std::string(l[5]),
                             std::string(l[6]),
                             std::string(l[7]),
                             std::string(l[8]),
                             std::string(l[9]),
                             "Edit_" + tag + "1tdb",
                             "Edit_" + tag + "2tdb",
                             "Edit_" + tag + "1" + quantity,
                             "Edit_" + tag + "2" + quantity,
                             "Bar_" + tag + "1step",
                             "Bar_" + tag + "2step"};
        EXPECT_EQ(names_of(inputs.group->children()), names) << tag;
        EXPECT_EQ(names_of(inputs.group->tab_list()), Texts(names.begin() + 12, names.end())) << tag;

        Texts captions;
        for (const ui::Control* child : inputs.group->children()) captions.push_back(child->caption());
        const Texts expected = {"Interval",
                                "1",
                                rh_rows ? "5" : "1",
                                "Lower Limit",
                                "Upper Limit",
                                "Tdb",
                                rh_rows ? "RH" : "Twb",
                                "Col. :",
                                "Row :",
                                "Units",
                                "degree C",
                                rh_rows ? "%" : "degree C",
                                "20",
                                "40",
                                rh_rows ? "50" : "20",
                                rh_rows ? "100" : "40",
                                "",
                                ""};
        EXPECT_EQ(captions, expected) << tag;
        EXPECT_EQ(inputs.col_step->position(), 1);
        EXPECT_EQ(inputs.row_step->position(), rh_rows ? 5 : 1);
        EXPECT_EQ(inputs.row_step->min(), 1);
        EXPECT_EQ(inputs.row_step->max(), 10);
        EXPECT_EQ(inputs.group->child(16).bounds(), (ui::Rect{192, 32, 89, 17}));
        EXPECT_EQ(inputs.group->child(15).bounds(), (ui::Rect{144, 56, 33, 17}));
    }
}

TEST_F(Layout, TheGridBeforeTheFirstList) {
    const ui::String_Grid& grid = *window.StringGrid_table;
    EXPECT_EQ(grid.col_count(), 14);
    EXPECT_EQ(grid.row_count(), 15);
    EXPECT_EQ(grid.fixed_cols(), 1);
    EXPECT_EQ(grid.fixed_rows(), 1);
    EXPECT_EQ(grid.default_col_width(), 40);
    EXPECT_EQ(grid.default_row_height(), 15);
    EXPECT_EQ(grid.fixed_color(), ui::Color_Silver);
    EXPECT_EQ(grid.parent(), window.gtable);
}

TEST_F(Layout, EnlargingTheWindowEnlargesOnlyTheTableAndItsGrid) {
    std::vector<ui::Rect> before;
    const Texts fixed = {"label_patm", "GroupBox1", "Btn_count", "Btn_exit", "Btn_cls", "psytable"};
    for (const std::string& name : fixed) before.push_back(window.find(name)->bounds());

    driver.resize(804, 593);
    EXPECT_EQ(window.gtable->bounds(), (ui::Rect{0, 122, 799, 470}));
    EXPECT_EQ(window.StringGrid_table->bounds(), (ui::Rect{8, 16, 783, 446}));
    for (std::size_t i = 0; i < fixed.size(); ++i) EXPECT_EQ(window.find(fixed[i])->bounds(), before[i]) << fixed[i];

    driver.resize(504, 353);
    EXPECT_EQ(window.StringGrid_table->bounds(), (ui::Rect{8, 16, 483, 206}));
}

TEST_F(Layout, TabWalksASheetsInputsThenLeavesForList) {
    select(Table_twb);
    window.focus_control(window.Sheets[Table_twb].tdb_low);
    Texts visited = {driver.focused_name()};
    for (int i = 0; i < 6; ++i) {
        driver.tab();
        visited.push_back(driver.focused_name());
    }
    EXPECT_EQ(visited, (Texts{"Edit_twb1tdb", "Edit_twb2tdb", "Edit_twb1rh", "Edit_twb2rh", "Bar_twb1step",
                              "Bar_twb2step", "Btn_count"}));
}

}  // namespace
