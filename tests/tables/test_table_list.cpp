#include <functional>

#include "tests/tables/tables_window_test.h"

using namespace tables;

namespace {

using Table_List = Tables_Window_Test;

TEST_F(Table_List, ListFillsTheGridWithTheActiveSheetsTable) {
    select(Table_twb);
    driver.click("Btn_count");
    EXPECT_EQ(window.StringGrid_table->col_count(), 22);
    EXPECT_EQ(window.StringGrid_table->row_count(), 12);
    EXPECT_EQ(cell(1, 0), "20");
    EXPECT_EQ(cell(21, 0), "40");
    EXPECT_EQ(cell(0, 1), "50");
    EXPECT_EQ(cell(0, 11), "100");
    EXPECT_EQ(cell(11, 1), "21.84") << "Tdb 30, RH 50";
    EXPECT_EQ(cell(1, 11), "20") << "Tdb 20, RH 100";
    EXPECT_EQ(cell(0, 0), "");
    EXPECT_EQ(window.gtable->caption(), "Twb Table");
    EXPECT_EQ(messages(), (Texts{"Twb:", "Wet Bulb Temperature", "(in degree C)"}));
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(Table_List, EveryTableNamesItselfInTheGroupCaptionAndMessageLines) {
    const struct {
        Table_Kind kind;
        Texts texts;
    } cases[] = {
        {Table_twb, {"Twb Table", "Twb:", "Wet Bulb Temperature", "(in degree C)"}},
        {Table_wbd, {"WBD Table", "WBD:", "Wet Bulb Depression", "(in degree C)"}},
        {Table_rh, {"RH Table", "RH:", "Relative Humidity", "(in %)"}},
        {Table_vpd1, {"VPD Table", "VPD:", "Vapor Pressure Deficit of Air", "(in kPa)"}},
        {Table_vpd2, {"VPD' Table", "VPD':", "Vapor Pressure Deficit of Air", "(in kPa)"}},
        {Table_tdp1, {"Tdp1 Table", "Tdp:", "Dew Point Temperature", "(in degree C)"}},
        {Table_tdp2, {"Tdp2 Table", "Tdp:", "Dew Point Temperature", "(in degree C)"}},
        {Table_thi1, {"THI1 Table", "THI:", "Temperature Humidity Index", "(in degree C)"}},
        {Table_thi2, {"THI2 Table", "THI:", "Temperature Humidity Index", "(in degree C)"}},
        {Table_ahd1, {"AHD Table", "AHD:", "Absolute Humidity Deficit", "(x0.001 kg/kg DA)"}},
        {Table_ahd2, {"AHD' Table", "AHD':", "Absolute Humidity Deficit", "(x0.001 kg/kg DA)"}},
    };
    for (const auto& c : cases) {
        select(c.kind);
        driver.click("Btn_count");
        const Texts shown = {window.gtable->caption(), window.Message1->caption(), window.Message2->caption(),
                             window.Message3->caption()};
        EXPECT_EQ(shown, c.texts);
    }
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(Table_List, TheTdp2DesignTableShowsNoValueAboveTheDiagonalAndTheTdbOnIt) {
    select(Table_tdp2);
    driver.click("Btn_count");
    EXPECT_EQ(window.StringGrid_table->row_count(), 22);
    EXPECT_EQ(cell(1, 1), "20") << "Tdb 20, Twb 20";
    EXPECT_EQ(cell(1, 2), "N/A") << "Tdb 20, Twb 21";
    EXPECT_EQ(cell(11, 1), "14.73") << "Tdb 30, Twb 20";
    EXPECT_EQ(cell(0, 21), "40");
}

// A refused List shows its table's texts and leaves the grid as the last table left it.
TEST_F(Table_List, RefusedInputsLeaveTheGridAsItWas) {
    list(Table_vpd1, {"25", "26", "50", "50"});
    const std::string listed = cell(1, 1);
    const struct {
        Table_Kind kind;
        Texts limits;
        std::string box;
    } cases[] = {
        {Table_twb, {"20.5", "40", "50", "100"}, "'20.5' is not a valid integer value."},
        {Table_twb, {"20", "", "50", "100"}, "'' is not a valid integer value."},
        {Table_twb, {"20", "40", "-", "100"}, "'-' is not a valid integer value."},
        {Table_twb, {"20", "10", "50", "100"}, "Lower Limit of Tdb is greater than Upper Limit. Please reinput!!"},
        {Table_twb, {"20", "10", "100", "50"}, "Lower Limit of Tdb is greater than Upper Limit. Please reinput!!"},
        {Table_twb, {"20", "40", "100", "50"}, "Lower Limit of RH is greater than Upper Limit. Please reinput!!"},
        {Table_rh, {"20", "40", "40", "20"}, "Lower Limit of Twb is greater than Upper Limit. Please reinput!!"},
        {Table_ahd1, {"0", "998", "0", "5000"}, "Table is too large. Please reinput!!"},
        {Table_ahd1, {"-2147483648", "2147483647", "0", "0"}, "Table is too large. Please reinput!!"},
    };
    for (const auto& c : cases) {
        list(c.kind, c.limits);
        EXPECT_EQ(front_end.take_box_texts(), Texts{c.box});
        EXPECT_EQ(window.gtable->caption(), table_heading(c.kind).caption);
        EXPECT_EQ(window.StringGrid_table->col_count(), 3);
        EXPECT_EQ(window.StringGrid_table->row_count(), 2);
        EXPECT_EQ(cell(1, 1), listed);
    }
}

TEST_F(Table_List, TheLargestAllowedTableIsListed) {
    list(Table_vpd1, {"-40", "958", "0", "4990"});
    EXPECT_TRUE(front_end.boxes.empty());
    EXPECT_EQ(window.StringGrid_table->col_count(), 1000);
    EXPECT_EQ(window.StringGrid_table->row_count(), 1000);
    EXPECT_EQ(cell(999, 0), "958");
    EXPECT_EQ(cell(0, 999), "4990") << "the row step of the RH sheets is 5 at design";
}

// The grid passes through the new column count at the old row count on its way.
TEST_F(Table_List, AWideTableAfterATallOneIsListed) {
    const std::string at_20_50 = compute_table(Table_vpd1, {20, 20, 1}, {50, 50, 1}, 101.325f).at(1, 1);
    list(Table_vpd1, {"20", "20", "0", "499998"});
    EXPECT_EQ(window.StringGrid_table->row_count(), 100'001);
    list(Table_vpd1, {"0", "499998", "50", "50"});
    EXPECT_TRUE(front_end.boxes.empty());
    EXPECT_EQ(window.StringGrid_table->col_count(), 500'000);
    EXPECT_EQ(window.StringGrid_table->row_count(), 2);
    EXPECT_EQ(cell(499'999, 0), "499998");
    EXPECT_EQ(cell(0, 1), "50");
    EXPECT_EQ(cell(21, 1), at_20_50);
    list(Table_vpd1, {"20", "20", "0", "499998"});
    EXPECT_EQ(cell(0, 100'001 - 1), "499995");
    EXPECT_EQ(cell(1, 11), at_20_50);
}

TEST_F(Table_List, ClearEmptiesTheDesignGridAndTheTextsAroundIt) {
    select(Table_twb);
    driver.click("Btn_count");
    driver.click("Btn_cls");
    EXPECT_EQ(window.StringGrid_table->col_count(), 14);
    EXPECT_EQ(window.StringGrid_table->row_count(), 15);
    for (int r = 0; r < 15; ++r)
        for (int c = 0; c < 14; ++c) EXPECT_EQ(cell(c, r), "") << c << " " << r;
    EXPECT_EQ(window.gtable->caption(), "Table");
    EXPECT_EQ(messages(), (Texts{"", "", ""}));
    EXPECT_EQ(window.Sheets[Table_twb].tdb_low->text(), "20");
}

TEST_F(Table_List, SwitchingSheetsKeepsTheLastTable) {
    select(Table_twb);
    driver.click("Btn_count");
    select(Table_rh);
    EXPECT_EQ(window.gtable->caption(), "Twb Table");
    EXPECT_EQ(cell(11, 1), "21.84");
}

TEST_F(Table_List, EachSelectorChangesTheActivePageOnly) {
    using Selector = void (Tpsytable::*)();
    const Selector selectors[] = {&Tpsytable::Select_twb,  &Tpsytable::Select_wbd,  &Tpsytable::Select_rh,
                                  &Tpsytable::Select_vpd1, &Tpsytable::Select_vpd2, &Tpsytable::Select_tdp1,
                                  &Tpsytable::Select_tdp2, &Tpsytable::Select_thi1, &Tpsytable::Select_thi2,
                                  &Tpsytable::Select_ahd1, &Tpsytable::Select_ahd2};
    select(Table_twb);
    driver.click("Btn_count");
    for (std::size_t i = 0; i < std::size(selectors); ++i) {
        std::invoke(selectors[i], window);
        EXPECT_EQ(window.psytable->active_page_index(), static_cast<int>(i));
        EXPECT_EQ(window.gtable->caption(), "Twb Table");
        EXPECT_EQ(messages(), (Texts{"Twb:", "Wet Bulb Temperature", "(in degree C)"}));
    }
}

TEST_F(Table_List, ThePressureIsTheSettingsDialogsWhereItWouldTakeItElseTheMainWindows) {
    applied_patm = 95.5f;
    const struct {
        std::string kpa_text;
        std::string label;
    } cases[] = {
        {"101.325", "Patm : 101.325 kPa"}, {"90", "Patm : 90 kPa"},     {"90.12345", "Patm : 90.123 kPa"},
        {"", "Patm : 95.5 kPa"},           {"abc", "Patm : 95.5 kPa"},  {"31.198", "Patm : 95.5 kPa"},
        {"-5", "Patm : 95.5 kPa"},         {"1e40", "Patm : 95.5 kPa"},
    };
    for (const auto& c : cases) {
        kpa_text = c.kpa_text;
        window.Get_Patm();
        EXPECT_EQ(window.label_patm->caption(), c.label) << c.kpa_text;
    }
    EXPECT_TRUE(front_end.boxes.empty());
}

TEST_F(Table_List, TheAhdTablesComputeWithTheFullPressure) {
    kpa_text = "90.12345";
    window.Get_Patm();
    list(Table_ahd1, {"30", "30", "50", "50"});
    const Table_Texts expected = compute_table(Table_ahd1, {30, 30, 1}, {50, 50, 1}, 90.12345f);
    EXPECT_EQ(cell(1, 1), expected.at(1, 1));
    EXPECT_EQ(window.label_patm->caption(), "Patm : 90.123 kPa");
}

}  // namespace
