#include <algorithm>
#include <set>
#include <stdexcept>

#include "tests/main/main_window_test.h"
#include "ui/user_input.h"

using hygrodex::Row;
using hygrodex::Row_Count;
using hygrodex::State_Column;

namespace {

using Kind = ui::Control_Kind;

const Names Row_Labels = {"Tdb", "RH", "Twb", "Tdp", "AH", "H", "SV", "Hfg", "DOS", "Pws", "Pw"};
const Names State_Units = {"degree C", "%",     "degree C", "degree C", "kg/kg DA", "kJ/kg DA",
                           "m3/kg DA", "kJ/kg", "%",        "kPa",      "kPa"};

Names names_of(const std::vector<ui::Control*>& controls) {
    Names names;
    for (const ui::Control* control : controls) names.push_back(control->name());
    return names;
}

Names names_of(const std::vector<ui::Win_Control*>& controls) {
    return names_of(std::vector<ui::Control*>(controls.begin(), controls.end()));
}

int right(const ui::Rect& r) { return r.left + r.width; }
int bottom(const ui::Rect& r) { return r.top + r.height; }
bool overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.left < right(b) && b.left < right(a) && a.top < bottom(b) && b.top < bottom(a);
}

using Layout = Main_Window_Test;

TEST_F(Layout, TheWindowItself) {
    EXPECT_EQ(form.name(), "Form1");
    EXPECT_EQ(form.caption(), "Hygrodex");
    EXPECT_EQ(form.client_width(), 792);
    EXPECT_EQ(form.client_height(), 523);
    EXPECT_EQ(form.font().name, "MS Sans Serif");
    EXPECT_EQ(form.font().size, 8);
    EXPECT_EQ(form.color(), ui::Color_Button_Face);
}

struct Control_Expectation {
    std::string name;
    Kind kind;
    ui::Rect bounds;
    std::string caption;
};

TEST_F(Layout, TheWindowsDirectChildrenInCreationOrder) {
    const std::vector<Control_Expectation> expected = {
        {"Psy_Bevel", Kind::Bevel, {0, 0, 578, 503}, ""},
        {"Chart_Image", Kind::Image, {0, 0, 578, 503}, ""},
        {"PageControl1", Kind::Page_Control, {584, 0, 201, 257}, ""},
        {"StatusBar1", Kind::Status_Bar, {0, 503, 792, 20}, ""},
        {"Group_misc", Kind::Group_Box, {696, 448, 89, 57}, "Misc."},
        {"Group_corsshair", Kind::Group_Box, {584, 328, 105, 177}, "Crosshair"},
        {"Group_curves", Kind::Group_Box, {696, 328, 89, 120}, "Lines && Curves"},
        {"Group_message", Kind::Group_Box, {584, 256, 201, 71}, "Message"},
    };
    ASSERT_EQ(form.child_count(), static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ui::Control& control = form.child(static_cast<int>(i));
        EXPECT_EQ(control.name(), expected[i].name);
        EXPECT_EQ(control.kind(), expected[i].kind) << expected[i].name;
        EXPECT_EQ(control.bounds(), expected[i].bounds) << expected[i].name;
        EXPECT_EQ(control.caption(), expected[i].caption) << expected[i].name;
    }
    EXPECT_EQ(ui::shown_caption(driver.get<ui::Group_Box>("Group_curves").caption()), "Lines & Curves");
    EXPECT_EQ(names_of(form.tab_list()),
              (Names{"PageControl1", "Group_message", "Group_corsshair", "Group_curves", "Group_misc", "StatusBar1"}));
}

TEST_F(Layout, TheChartSurfaceAndTheStatusBar) {
    EXPECT_EQ(driver.get<ui::Image>("Chart_Image").cursor(), ui::Cursor::Cross);
    EXPECT_TRUE(driver.get<ui::Image>("Chart_Image").stretch());
    const auto& panels = driver.get<ui::Status_Bar>("StatusBar1").panels();
    ASSERT_EQ(panels.size(), 2u);
    EXPECT_EQ(panels[0].width, 180);
    EXPECT_EQ(panels[1].width, 642);
}

TEST_F(Layout, ThePagesInOrder) {
    const ui::Page_Control& pages = driver.get<ui::Page_Control>("PageControl1");
    Names captions;
    for (const ui::Tab_Sheet* page : pages.pages()) captions.push_back(page->caption());
    EXPECT_EQ(captions, (Names{"State", "Process", "Pad", "VPD"}));
    EXPECT_EQ(names_of(pages.children()), (Names{"Sheet_state", "Sheet_two", "Sheet_pad", "Sheet_vpd"}));
}

struct Sheet_Expectation {
    std::string sheet;
    Names non_windowed_captions;  // labels and speed buttons first, in creation order
    Names windowed;               // then edits and buttons, in creation order
};

TEST_F(Layout, EachSheetsChildListHoldsItsLabelsThenItsFieldsInCreationOrder) {
    const std::vector<Sheet_Expectation> sheets = {
        {"Sheet_state", joined({Row_Labels, State_Units}), column_names("", "")},
        {"Sheet_two", joined({Row_Labels, {"Active", "Inactive", "State 1", "State 2", "Diff."}}),
         joined({column_names("2", "1"), column_names("2", "2"), {"Btn_2cal"}, column_names("2", "d")})},
        {"Sheet_pad", joined({{"Outdoor", "AfterPad"}, Row_Labels, {"Eff."}}),
         joined({column_names("p", "1"), {"Edit_ptdb2", "Edit_peff", "Btn_efficiency"}, column_names("p", "2", 1)})},
        {"Sheet_vpd", joined({{"Air", "Leaf"}, Row_Labels, {"VPD", "Tleaf-Tair"}}),
         joined({column_names("v", "1"),
                 {"Edit_vtdb2", "Btn_vpd", "Edit_vvpd"},
                 column_names("v", "2", 1),
                 {"Edit_vtdbd"}})},
    };
    for (const Sheet_Expectation& expected : sheets) {
        SCOPED_TRACE(expected.sheet);
        const auto& children = form.get<ui::Tab_Sheet>(expected.sheet).children();
        const std::size_t labels = expected.non_windowed_captions.size();
        ASSERT_EQ(children.size(), labels + expected.windowed.size());
        Names captions, windowed;
        for (std::size_t i = 0; i < children.size(); ++i) {
            const ui::Control& control = *children[i];
            if (i < labels) {
                EXPECT_FALSE(control.windowed()) << control.name();
                EXPECT_EQ(control.kind(), control.name().starts_with("SBtn_") ? Kind::Speed_Button : Kind::Label);
                captions.push_back(control.caption());
            } else {
                EXPECT_EQ(control.kind(), control.name().starts_with("Btn_") ? Kind::Button : Kind::Edit);
                windowed.push_back(control.name());
            }
        }
        EXPECT_EQ(captions, expected.non_windowed_captions);
        EXPECT_EQ(windowed, expected.windowed);
    }
}

TEST_F(Layout, ReadOnlyEditsAreInTooltipColourAndTheStateTwoColumnIsDisabled) {
    const Names read_only_names =
        joined({{"Edit_hfg", "Edit_pws", "Edit_2hfg1", "Edit_2pws1", "Edit_2hfg2", "Edit_2pws2", "Edit_phfg1",
                 "Edit_ppws1", "Edit_vhfg1", "Edit_vpws1", "Edit_vvpd", "Edit_vtdbd"},
                column_names("2", "d"),
                column_names("p", "2", 1),
                column_names("v", "2", 1)});
    const std::set<std::string> read_only(read_only_names.begin(), read_only_names.end());
    const Names state2 = column_names("2", "2");
    const std::set<std::string> disabled(state2.begin(), state2.end());
    ASSERT_EQ(read_only.size(), 43u);

    int edits = 0;
    for (const ui::Control* control : form.controls()) {
        const auto* edit = dynamic_cast<const ui::Edit*>(control);
        if (!edit) continue;
        ++edits;
        const bool expect_read_only = read_only.contains(edit->name());
        EXPECT_EQ(edit->read_only(), expect_read_only) << edit->name();
        EXPECT_EQ(edit->color(), expect_read_only ? ui::Color_Info_Background : ui::Color_Window) << edit->name();
        EXPECT_EQ(edit->enabled(), !disabled.contains(edit->name())) << edit->name();
        EXPECT_EQ(edit->bounds().height, 17) << edit->name();
    }
    EXPECT_EQ(edits, 11 + 33 + 23 + 24);
    for (const char* button : {"Btn_2cal", "Btn_efficiency", "Btn_vpd"})
        EXPECT_TRUE(form.get<ui::Button>(button).enabled()) << button;
}

TEST_F(Layout, TheColumnArraysHoldTheirEditsInRowOrder) {
    struct Column {
        const State_Column& column;
        std::string letter;
        std::string suffix;
    };
    const Column columns[] = {
        {Col_state, "", ""},         {Col_two1, "2", "1"},      {Col_two2, "2", "2"},    {Col_two_diff, "2", "d"},
        {Col_pad_outdoor, "p", "1"}, {Col_pad_after, "p", "2"}, {Col_vpd_air, "v", "1"}, {Col_vpd_leaf, "v", "2"},
    };
    for (const Column& c : columns) {
        const Names expected = column_names(c.letter, c.suffix);
        for (std::size_t row = 0; row < Row_Count; ++row)
            EXPECT_EQ(c.column[static_cast<Row>(row)].name(), expected[row]);
    }
}

TEST_F(Layout, RowsRunTopToBottomAndColumnsLeftToRight) {
    struct Sheet_Columns {
        std::string letter;
        Names suffixes;
    };
    const Sheet_Columns sheets[] = {{"", {""}}, {"2", {"1", "2", "d"}}, {"p", {"1", "2"}}, {"v", {"1", "2"}}};
    for (const Sheet_Columns& sheet : sheets) {
        for (std::size_t c = 0; c < sheet.suffixes.size(); ++c) {
            const Names names = column_names(sheet.letter, sheet.suffixes[c]);
            for (std::size_t row = 0; row < Row_Count; ++row) {
                const ui::Rect& cell = form.get<ui::Edit>(names[row]).bounds();
                const auto first_column_name = column_names(sheet.letter, sheet.suffixes[0])[row];
                const ui::Rect& first_column = form.get<ui::Edit>(first_column_name).bounds();
                EXPECT_EQ(cell.top, first_column.top) << names[row];
                if (row > 0) {
                    EXPECT_GE(cell.top, bottom(form.get<ui::Edit>(names[row - 1]).bounds())) << names[row];
                }
                if (c > 0) {
                    const auto previous = column_names(sheet.letter, sheet.suffixes[c - 1])[row];
                    EXPECT_GE(cell.left, right(form.get<ui::Edit>(previous).bounds())) << names[row];
                }
            }
        }
    }
}

TEST_F(Layout, RowLabelsSitLeftOfTheirRowAndTheStateUnitsRightOfIt) {
    struct Row_Column {
        const State_Column& column;
        const ui::Tab_Sheet& sheet;
        std::size_t first_label;  // position of the Tdb row label in the sheet's child list
    };
    const Row_Column sheets[] = {
        {Col_state, driver.get<ui::Tab_Sheet>("Sheet_state"), 0},
        {Col_two1, driver.get<ui::Tab_Sheet>("Sheet_two"), 0},
        {Col_pad_outdoor, driver.get<ui::Tab_Sheet>("Sheet_pad"), 2},
        {Col_vpd_air, driver.get<ui::Tab_Sheet>("Sheet_vpd"), 2},
    };
    for (const Row_Column& s : sheets) {
        for (std::size_t row = 0; row < Row_Count; ++row) {
            const ui::Rect& edit = s.column[static_cast<Row>(row)].bounds();
            const ui::Control& label = *s.sheet.children()[s.first_label + row];
            EXPECT_EQ(label.caption(), Row_Labels[row]);
            EXPECT_LE(right(label.bounds()), edit.left) << label.caption();
            EXPECT_GE(label.bounds().top, edit.top) << label.caption();
            EXPECT_LE(bottom(label.bounds()), bottom(edit)) << label.caption();
        }
    }
    for (std::size_t row = 0; row < Row_Count; ++row) {
        const ui::Rect& edit = Col_state[static_cast<Row>(row)].bounds();
        const ui::Control& unit = *driver.get<ui::Tab_Sheet>("Sheet_state").children()[Row_Count + row];
        EXPECT_EQ(unit.caption(), State_Units[row]);
        EXPECT_GE(unit.bounds().left, right(edit)) << unit.caption();
        EXPECT_GE(unit.bounds().top, edit.top) << unit.caption();
        EXPECT_LE(bottom(unit.bounds()), bottom(edit)) << unit.caption();
    }
}

enum class Place { Above, Below, Right_Of };

struct Placement {
    std::string control;  // a name, or the caption of a label of the sheet
    Place place;
    std::string anchor;
};

TEST_F(Layout, HeadingsButtonsAndSingleFieldsSitWhereTheirColumnsAre) {
    const Placement placements[] = {
        {"State 1", Place::Above, "Edit_2tdb1"},
        {"State 2", Place::Above, "Edit_2tdb2"},
        {"Diff.", Place::Above, "Edit_2tdbd"},
        {"SBtn_two1", Place::Below, "Edit_2pw1"},
        {"SBtn_two2", Place::Below, "Edit_2pw2"},
        {"Btn_2cal", Place::Below, "Edit_2pwd"},
        {"Outdoor", Place::Above, "Edit_ptdb1"},
        {"AfterPad", Place::Above, "Edit_ptdb2"},
        {"Eff.", Place::Above, "Edit_peff"},
        {"Edit_peff", Place::Right_Of, "Edit_ptdb2"},
        {"Btn_efficiency", Place::Below, "Edit_peff"},
        {"Btn_efficiency", Place::Right_Of, "Edit_ppw2"},
        {"Air", Place::Above, "Edit_vtdb1"},
        {"Leaf", Place::Above, "Edit_vtdb2"},
        {"Tleaf-Tair", Place::Above, "Edit_vtdbd"},
        {"Edit_vtdbd", Place::Right_Of, "Edit_vtdb2"},
        {"VPD", Place::Above, "Edit_vvpd"},
        {"Edit_vvpd", Place::Right_Of, "Edit_vpw2"},
        {"Btn_vpd", Place::Below, "Edit_vvpd"},
        {"Btn_vpd", Place::Right_Of, "Edit_vpw2"},
    };
    auto find = [this](const std::string& key) -> const ui::Control& {
        if (const ui::Control* named = form.find(key)) return *named;
        for (const ui::Control* control : form.controls())
            if (control->kind() == Kind::Label && control->caption() == key) return *control;
        throw std::logic_error("nothing called " + key);
    };
    for (const Placement& p : placements) {
        const ui::Rect& a = find(p.control).bounds();
        const ui::Rect& b = find(p.anchor).bounds();
        const int centre_x = a.left + a.width / 2;
        const int centre_y = a.top + a.height / 2;
        switch (p.place) {
        case Place::Above:
        case Place::Below:
            EXPECT_TRUE(centre_x >= b.left && centre_x < right(b)) << p.control << " in the column of " << p.anchor;
            if (p.place == Place::Above) EXPECT_LE(bottom(a), b.top) << p.control << " above " << p.anchor;
            else EXPECT_GE(a.top, bottom(b)) << p.control << " below " << p.anchor;
            break;
        case Place::Right_Of:
            EXPECT_GE(a.left, right(b)) << p.control << " right of " << p.anchor;
            if (a.height == b.height) EXPECT_EQ(a.top, b.top) << p.control << " in the row of " << p.anchor;
            else EXPECT_GE(centre_y, bottom(b)) << p.control << " below the row of " << p.anchor;
            break;
        }
    }
}

TEST_F(Layout, EveryControlFitsItsParentAndSiblingsDoNotOverlap) {
    for (const ui::Control* control : form.controls()) {
        const ui::Win_Control* parent = control->parent();
        const ui::Rect& r = control->bounds();
        const int first_top = parent->kind() == Kind::Group_Box ? 13 : 0;  // below a group's caption
        EXPECT_GE(r.left, 0) << control->name();
        EXPECT_GE(r.top, first_top) << control->name();
        EXPECT_LE(right(r), parent->bounds().width) << control->name();
        EXPECT_LE(bottom(r), parent->bounds().height) << control->name();
    }
    for (const ui::Control* control : form.controls()) {
        const auto* container = dynamic_cast<const ui::Win_Control*>(control);
        if (!container || (container->kind() != Kind::Tab_Sheet && container->kind() != Kind::Group_Box)) continue;
        const auto& children = container->children();
        for (std::size_t i = 0; i < children.size(); ++i)
            for (std::size_t j = i + 1; j < children.size(); ++j)
                EXPECT_FALSE(overlap(children[i]->bounds(), children[j]->bounds()))
                    << children[i]->name() << " and " << children[j]->name();
    }
}

TEST_F(Layout, TheProcessSpeedButtonsFormOneGroupThatMayBeAllUp) {
    struct Speed {
        const char* name;
        std::string caption;
        bool down;
    };
    for (const Speed& s : {Speed{"SBtn_two1", "Active", true}, Speed{"SBtn_two2", "Inactive", false}}) {
        const ui::Speed_Button& button = driver.get<ui::Speed_Button>(s.name);
        EXPECT_EQ(button.caption(), s.caption);
        EXPECT_EQ(button.down(), s.down) << s.caption;
        EXPECT_EQ(button.group_index(), 1) << s.caption;
        EXPECT_TRUE(button.allow_all_up()) << s.caption;
    }
    EXPECT_EQ(driver.get<ui::Button>("Btn_2cal").caption(), "Cal.");
    EXPECT_EQ(driver.get<ui::Button>("Btn_efficiency").caption(), "Draw");
    EXPECT_EQ(driver.get<ui::Button>("Btn_vpd").caption(), "Draw");
}

TEST_F(Layout, TheMessageLinesAreCentredAndReadableOnTheHighlight) {
    const Names lines = {"Message1", "Message2", "Message3"};
    EXPECT_EQ(names_of(driver.get<ui::Group_Box>("Group_message").children()), lines);
    int previous_bottom = 0;
    for (const std::string& name : lines) {
        const ui::Label* line = &driver.get<ui::Label>(name);
        EXPECT_EQ(line->bounds().width, 185) << line->name();
        EXPECT_EQ(line->bounds().height, 17) << line->name();
        EXPECT_GE(line->bounds().top, previous_bottom) << line->name();
        previous_bottom = bottom(line->bounds());
        EXPECT_EQ(line->alignment(), ui::Alignment::Center) << line->name();
        EXPECT_FALSE(line->transparent()) << line->name();
        EXPECT_EQ(line->color(), ui::Color_Highlight) << line->name();
        EXPECT_EQ(line->font().color, ui::Color_Highlight_Text) << line->name();
    }
}

struct Glyph_Button {
    std::string name;
    std::string hint;
    std::string glyph;
    int pad_row;  // -1: a zoom button
    int pad_column;
};

TEST_F(Layout, TheCrosshairPadZoomButtonsAndStepBar) {
    const auto& children = driver.get<ui::Group_Box>("Group_corsshair").children();
    ASSERT_EQ(children.size(), 14u);
    EXPECT_EQ(children[0]->caption(), "Step (pixels)");
    EXPECT_EQ(children[1], &driver.get<ui::Label>("Move_Label"));
    EXPECT_EQ(names_of(std::vector<ui::Control*>(children.begin() + 2, children.end())),
              (Names{"Btn_h_up", "Btn_up", "Btn_h_down", "ZoomOut", "ZoomIn", "MoveBar", "Btn_left", "Btn_down",
                     "Btn_default", "Btn_right", "Btn_rh_down", "Btn_rh_up"}));
    EXPECT_EQ(names_of(driver.get<ui::Group_Box>("Group_corsshair").tab_list()),
              (Names{"Btn_h_up", "Btn_up", "Btn_rh_up", "Btn_left", "Btn_default", "Btn_right", "Btn_rh_down",
                     "Btn_down", "Btn_h_down", "MoveBar", "ZoomOut", "ZoomIn"}));

    const Glyph_Button buttons[] = {
        {"Btn_h_up", "H line", "arrow-up-left", 0, 0},        {"Btn_up", "T line", "arrow-up", 0, 1},
        {"Btn_rh_up", "RH curve", "arrow-up-right", 0, 2},    {"Btn_left", "AH line", "arrow-left", 1, 0},
        {"Btn_default", "default", "circling-arrows", 1, 1},  {"Btn_right", "AH line", "arrow-right", 1, 2},
        {"Btn_rh_down", "RH curve", "arrow-down-left", 2, 0}, {"Btn_down", "T line", "arrow-down", 2, 1},
        {"Btn_h_down", "H line", "arrow-down-right", 2, 2},   {"ZoomOut", "Zoom Out", "magnifier-minus", -1, 0},
        {"ZoomIn", "Zoom In", "magnifier-plus", -1, 1},
    };
    const ui::Rect& origin = driver.get<ui::Button>("Btn_h_up").bounds();
    for (const Glyph_Button& b : buttons) {
        const auto& button = form.get<ui::Button>(b.name);
        EXPECT_EQ(button.hint(), b.hint) << b.name;
        EXPECT_EQ(button.glyph(), b.glyph) << b.name;
        const ui::Rect& r = button.bounds();
        if (b.pad_row < 0) {
            EXPECT_EQ(r.width, 33) << b.name;
            EXPECT_EQ(r.height, 33) << b.name;
            EXPECT_GE(r.top, bottom(driver.get<ui::Track_Bar>("MoveBar").bounds())) << b.name;
        } else {
            EXPECT_EQ(r, (ui::Rect{origin.left + 25 * b.pad_column, origin.top + 25 * b.pad_row, 25, 25})) << b.name;
        }
    }
    EXPECT_LT(right(driver.get<ui::Button>("ZoomOut").bounds()), driver.get<ui::Button>("ZoomIn").bounds().left);

    const ui::Track_Bar& bar = driver.get<ui::Track_Bar>("MoveBar");
    EXPECT_EQ(bar.min(), 1);
    EXPECT_EQ(bar.max(), 10);
    EXPECT_EQ(bar.position(), 2);
    EXPECT_EQ(bar.frequency(), 1);
    EXPECT_EQ(bar.thumb_length(), 10);
    EXPECT_GE(bar.bounds().top, bottom(driver.get<ui::Button>("Btn_h_down").bounds()));

    const ui::Control& step = *children[0];
    EXPECT_EQ(driver.get<ui::Label>("Move_Label").caption(), "2");
    EXPECT_EQ(driver.get<ui::Label>("Move_Label").alignment(), ui::Alignment::Right);
    EXPECT_GE(driver.get<ui::Label>("Move_Label").bounds().left, right(step.bounds()));
    EXPECT_EQ(driver.get<ui::Label>("Move_Label").bounds().top, step.bounds().top);
}

TEST_F(Layout, TheLineCheckBoxesAreCreatedInOneOrderAndShownInAnother) {
    struct Box {
        std::string name;
        std::string caption;
        bool checked;
    };
    const Box created[] = {{"Check_T", "T", true},  {"Check_RH", "RH", true},  {"Check_AH", "AH", false},
                           {"Check_H", "H", false}, {"Check_SV", "SV", false}, {"Check_Pw", "Pw", false}};
    const auto& children = driver.get<ui::Group_Box>("Group_curves").children();
    ASSERT_EQ(children.size(), std::size(created));
    for (std::size_t i = 0; i < children.size(); ++i) {
        const auto& box = dynamic_cast<const ui::Check_Box&>(*children[i]);
        EXPECT_EQ(box.name(), created[i].name);
        EXPECT_EQ(box.caption(), created[i].caption);
        EXPECT_EQ(box.checked(), created[i].checked) << created[i].name;
    }
    std::vector<const ui::Control*> shown(children.begin(), children.end());
    std::sort(shown.begin(), shown.end(), [](auto a, auto b) { return a->bounds().top < b->bounds().top; });
    Names top_to_bottom;
    for (const ui::Control* box : shown) top_to_bottom.push_back(box->caption());
    EXPECT_EQ(top_to_bottom, (Names{"T", "RH", "AH", "Pw", "H", "SV"}));

    EXPECT_EQ(names_of(driver.get<ui::Group_Box>("Group_misc").children()), (Names{"Check_auto", "Check_unit"}));
    EXPECT_EQ(driver.get<ui::Check_Box>("Check_auto").caption(), "Centralize");
    EXPECT_EQ(driver.get<ui::Check_Box>("Check_unit").caption(), "Unit label");
    EXPECT_TRUE(driver.get<ui::Check_Box>("Check_unit").checked());
    EXPECT_LT(driver.get<ui::Check_Box>("Check_auto").bounds().top,
              driver.get<ui::Check_Box>("Check_unit").bounds().top);
}

TEST_F(Layout, TheMenuBarAndTheActions) {
    struct Menu {
        std::string name;
        std::string caption;
        std::vector<std::pair<std::string, std::string>> items;
    };
    const Menu menus[] = {
        {"N2", "Set", {{"N3", "Set Patm."}}},
        {"Tables1",
         "Tables",
         {{"Twbf", "Twb = f(Tdb,RH)"},
          {"WBDf", "WBD = f(Tdb,RH)"},
          {"RHf", "RH = f(Tdb,Twb)"},
          {"VPDf1", "VPD = f(Tdb,RH)"},
          {"VPDf2", "VPD' = f(Tdb,RH)"},
          {"Tdpf1", "Tdp1 = f(Tdb,RH)"},
          {"Tdpf2", "Tdp2 = f(Tdb,Twb)"},
          {"THIf1", "THI1 = f(Tdb,RH)"},
          {"THIf2", "THI2 = f(Tdb,Twb)"},
          {"AHDf1", "AHD = f(Tdb,RH)"},
          {"AHDf2", "AHD' = f(Tdb,RH)"}}},
        {"N1", "About", {{"M_about", "About"}}},
        {"N5", "Exit", {{"M_exit", "Exit"}}},
    };
    ASSERT_NE(form.main_menu(), nullptr);
    EXPECT_EQ(form.main_menu()->name(), "MainMenu1");
    const auto& bar = form.main_menu()->menus();
    ASSERT_EQ(bar.size(), std::size(menus));
    for (std::size_t m = 0; m < bar.size(); ++m) {
        EXPECT_EQ(bar[m]->name(), menus[m].name);
        EXPECT_EQ(bar[m]->caption(), menus[m].caption);
        const auto& items = bar[m]->items();
        ASSERT_EQ(items.size(), menus[m].items.size()) << menus[m].name;
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i]->name(), menus[m].items[i].first);
            EXPECT_EQ(items[i]->caption(), menus[m].items[i].second);
        }
    }
    const ui::Action_List* actions = form.find_action_list("ActionList1");
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->find("DrawPsy")->caption(), "DrawPsy");
    ui::Action* exit = actions->find("Exit");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(form.main_menu()->find("M_exit")->action(), exit);
    for (const auto& menu : bar)
        for (const auto& item : menu->items())
            if (item->name() != "M_exit") {
                EXPECT_EQ(item->action(), nullptr) << item->name();
            }
}

TEST_F(Layout, TabOnTheProcessSheetSkipsTheDisabledStateTwoColumn) {
    form.show();
    driver.get<ui::Page_Control>("PageControl1").set_active_page(&driver.get<ui::Tab_Sheet>("Sheet_two"));
    ASSERT_TRUE(form.focus_control(&Col_two1[Row::Tdb]));
    Names visited;
    for (int i = 0; i < 23; ++i) {
        driver.tab();
        visited.push_back(driver.focused_name());
    }
    EXPECT_EQ(visited, joined({column_names("2", "1", 1), {"Btn_2cal"}, column_names("2", "d"), {"Btn_h_up"}}));

    ASSERT_TRUE(form.focus_control(&driver.get<ui::Button>("Btn_2cal")));
    ui::user::press_key(form, ui::Key::Back_Tab);
    EXPECT_EQ(driver.focused_name(), "Edit_2pw1");
}

}  // namespace
