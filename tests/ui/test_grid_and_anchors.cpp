#include <array>
#include <string>

#include "tests/ui/fixture.h"
#include "ui/string_grid.h"
#include "ui/user_input.h"

namespace {

class Grid_Test : public Window_Test {
protected:
    Grid_Test() {
        grid.set_bounds({8, 16, 200, 100});
        grid.set_col_count(4);
        grid.set_row_count(5);
        form.show();
    }

    ui::String_Grid& grid = form.create<ui::String_Grid>(nullptr, "Grid");
};

TEST_F(Grid_Test, CellsAreAddressedAsColumnThenRowAndKeepTheirTextsWhereBothSizesHoldThem) {
    grid.set_cell(3, 1, "col 3 row 1");
    grid.set_cell(1, 4, "col 1 row 4");
    grid.set_cell(0, 0, "corner");
    EXPECT_EQ(grid.cell(3, 1), "col 3 row 1");
    EXPECT_EQ(grid.cell(1, 4), "col 1 row 4");

    grid.set_col_count(3);
    EXPECT_EQ(grid.cell(1, 4), "col 1 row 4");
    EXPECT_EQ(grid.cell(0, 0), "corner");
    EXPECT_THROW(grid.cell(3, 1), std::out_of_range);
    grid.set_col_count(4);
    EXPECT_EQ(grid.cell(3, 1), "") << "a cell outside a smaller size is not kept";

    EXPECT_THROW(grid.set_cell(4, 0, "x"), std::out_of_range);
    EXPECT_THROW(grid.set_cell(-1, 0, "x"), std::out_of_range);
}

// A tall grid turned wide passes through a size of many columns and many rows; only the cells
// written to are stored, so that size costs nothing.
TEST_F(Grid_Test, ASizeOnTheWayFromATallGridToAWideOneCostsNoMemory) {
    grid.set_row_count(1'000'000);
    grid.set_cell(1, 1, "kept");
    grid.set_cell(2, 999'999, "bottom");
    grid.set_col_count(1'000'000);
    EXPECT_EQ(grid.cell(2, 999'999), "bottom");
    EXPECT_EQ(grid.cell(999'999, 999'999), "");
    grid.set_row_count(2);
    grid.set_cell(999'999, 1, "far right");
    EXPECT_EQ(grid.cell(1, 1), "kept");
    EXPECT_EQ(grid.cell(999'999, 1), "far right");
    EXPECT_EQ(grid.cell(500'000, 0), "");
    grid.set_row_count(1'000'000);
    EXPECT_EQ(grid.cell(2, 999'999), "") << "a cell outside a smaller size is not kept";
    EXPECT_THROW(grid.cell(1'000'000, 0), std::out_of_range);
}

TEST_F(Grid_Test, AGridKeepsOneFixedColumnAndRowAndAtLeastOneCellBesides) {
    EXPECT_EQ(grid.fixed_cols(), 1);
    EXPECT_EQ(grid.fixed_rows(), 1);
    grid.set_col_count(0);
    grid.set_row_count(1);
    EXPECT_EQ(grid.col_count(), 2);
    EXPECT_EQ(grid.row_count(), 2);
}

// A view that counts what it is told.
struct Counting_View : ui::Control_View {
    void control_changed() override { ++changes; }
    int changes = 0;
};

TEST_F(Grid_Test, CellsWrittenInsideAnUpdateReachTheViewOnce) {
    Counting_View view;
    grid.attach_view(&view);
    const auto revision = grid.revision();
    {
        ui::String_Grid::Update update(grid);
        for (int row = 0; row < grid.row_count(); ++row)
            for (int col = 0; col < grid.col_count(); ++col) grid.set_cell(col, row, "x");
        EXPECT_EQ(view.changes, 0);
    }
    EXPECT_EQ(view.changes, 1);
    EXPECT_GT(grid.revision(), revision);
    grid.set_cell(1, 1, "y");
    EXPECT_EQ(view.changes, 2) << "outside an update every write is told";
    grid.attach_view(nullptr);
}

TEST_F(Grid_Test, AMouseRangeSelectionTakesTheFocusAndStaysOffTheFixedCells) {
    auto& edit = form.create<ui::Edit>(nullptr, "Edit1");
    form.focus_control(&edit);
    driver.select_cells("Grid", 3, 4, 1, 2);
    EXPECT_EQ(driver.focused_name(), "Grid");
    EXPECT_EQ(grid.selection(), (ui::Cell_Range{1, 2, 3, 4}));

    driver.select_cells("Grid", 2, 2, 0, 0);
    EXPECT_EQ(grid.selection(), (ui::Cell_Range{1, 1, 2, 2}));

    grid.set_row_count(3);
    EXPECT_EQ(grid.selection(), (ui::Cell_Range{1, 1, 2, 2}));
    grid.set_col_count(2);
    EXPECT_EQ(grid.selection(), (ui::Cell_Range{1, 1, 1, 2}));
}

TEST_F(Grid_Test, ArrowKeysMoveAOneCellSelectionWithinTheGrid) {
    driver.select_cells("Grid", 1, 1, 1, 1);
    const struct {
        ui::Key key;
        ui::Cell_Range expected;
    } cases[] = {
        {ui::Key::Right, {2, 1, 2, 1}}, {ui::Key::Down, {2, 2, 2, 2}}, {ui::Key::End, {3, 2, 3, 2}},
        {ui::Key::Right, {3, 2, 3, 2}}, {ui::Key::Home, {1, 2, 1, 2}}, {ui::Key::Left, {1, 2, 1, 2}},
        {ui::Key::Up, {1, 1, 1, 1}},    {ui::Key::Up, {1, 1, 1, 1}},
    };
    for (const auto& step : cases) {
        driver.press(step.key);
        EXPECT_EQ(grid.selection(), step.expected);
    }
}

// A grid's cells fill the area inside its 2-pixel frame; a bar of 16 pixels comes where the
// cells overflow, and may make the other bar needed. The cells here are 65 x 25 pixels with the
// grid lines, the fixed ones included.
TEST_F(Grid_Test, ScrollBarsComeWhereTheCellsOverflowAndWholeCellsAreCounted) {
    const struct {
        int width, height, cols, rows;
        bool across, down;
        int visible_cols, visible_rows;
    } cases[] = {
        // 260 x 125 of cells in 296 x 196: no bar; (296 - 65) / 65 and (196 - 25) / 25.
        {300, 200, 4, 5, false, false, 3, 6},
        // 260 x 250 in 270 x 196: the rows need a bar down, its 16 pixels a bar across.
        {274, 200, 4, 10, true, true, 2, 6},
        // 260 x 125 in 196 x 96: both; 180 x 80 are left, (180 - 65) / 65 and (80 - 25) / 25.
        {200, 100, 4, 5, true, true, 1, 2},
        // 1300 pixels across in 396 x 96: only the bar across; (80 - 25) / 25.
        {400, 100, 20, 2, true, false, 5, 2},
        // Narrower than one cell besides the fixed ones: one is counted all the same.
        {90, 100, 4, 2, true, false, 1, 2},
    };
    for (const auto& c : cases) {
        grid.set_bounds({0, 0, c.width, c.height});
        grid.set_col_count(c.cols);
        grid.set_row_count(c.rows);
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        EXPECT_EQ(grid.has_horizontal_bar(), c.across);
        EXPECT_EQ(grid.has_vertical_bar(), c.down);
        EXPECT_EQ(grid.visible_col_count(), c.visible_cols);
        EXPECT_EQ(grid.visible_row_count(), c.visible_rows);
    }
}

// The tables window's grid: 40 x 15 pixel cells (41 x 16 with the grid lines) in 583 x 246
// pixels, 111 x 101 cells besides the fixed ones. Both bars show, so the cells have 563 x 226
// pixels: (563 - 41) / 41 = 12 whole columns and (226 - 16) / 16 = 13 whole rows.
class Big_Grid_Test : public Grid_Test {
protected:
    Big_Grid_Test() {
        grid.set_bounds({8, 16, 583, 246});
        grid.set_default_col_width(40);
        grid.set_default_row_height(15);
        grid.set_col_count(112);
        grid.set_row_count(102);
        form.focus_control(&grid);
    }

    // Where the grid stands: current column and row, then the first column and row shown.
    std::array<int, 4> place() const {
        return {grid.current_col(), grid.current_row(), grid.left_col(), grid.top_row()};
    }
};

TEST_F(Big_Grid_Test, ScrollingStopsWhereTheLastCellsShowWholeAndLeavesTheCurrentCell) {
    ASSERT_EQ(grid.visible_col_count(), 12);
    ASSERT_EQ(grid.visible_row_count(), 13);
    const struct {
        int left, top;
        int expected_left, expected_top;
    } cases[] = {
        {50, 40, 50, 40},
        // 112 - 12 and 102 - 13: columns 100 to 111 and rows 89 to 101 fill the view.
        {101, 90, 100, 89},
        {1000, 1000, 100, 89},
        {0, -5, 1, 1},
    };
    for (const auto& c : cases) {
        driver.scroll_cells("Grid", c.left, c.top);
        EXPECT_EQ(place(), (std::array{1, 1, c.expected_left, c.expected_top})) << c.left << ", " << c.top;
    }

    driver.scroll_cells("Grid", 1000, 1);
    grid.set_bounds({8, 16, 583 + 41 * 2, 246});
    EXPECT_EQ(grid.left_col(), 98) << "a wider grid shows two columns more at the end";
    grid.set_col_count(50);
    EXPECT_EQ(grid.left_col(), 50 - 14);
}

TEST_F(Big_Grid_Test, KeysMoveTheCurrentCellAndKeepItInView) {
    const struct {
        ui::Key key;
        bool ctrl;
        std::array<int, 4> expected;  // column, row, first column shown, first row shown
    } steps[] = {
        {ui::Key::Page_Down, false, {1, 14, 1, 14}},   {ui::Key::Page_Down, false, {1, 27, 1, 27}},
        {ui::Key::Page_Up, false, {1, 14, 1, 14}},     {ui::Key::Up, false, {1, 13, 1, 13}},
        {ui::Key::Down, false, {1, 14, 1, 13}},        {ui::Key::End, false, {111, 14, 100, 13}},
        {ui::Key::Left, false, {110, 14, 100, 13}},    {ui::Key::Home, false, {1, 14, 1, 13}},
        {ui::Key::End, true, {111, 101, 100, 89}},     {ui::Key::Page_Down, false, {111, 101, 100, 89}},
        {ui::Key::Page_Up, false, {111, 88, 100, 76}}, {ui::Key::Home, true, {1, 1, 1, 1}},
        {ui::Key::Page_Up, false, {1, 1, 1, 1}},
    };
    for (const auto& step : steps) {
        driver.press(step.key, {.ctrl = step.ctrl});
        EXPECT_EQ(place(), step.expected)
            << "after key " << static_cast<int>(step.key) << (step.ctrl ? " with Ctrl" : "");
    }
    for (int col = 2; col <= 13; ++col) driver.press(ui::Key::Right);
    EXPECT_EQ(place(), (std::array{13, 1, 2, 1})) << "the thirteenth column scrolls the first out";
}

TEST_F(Big_Grid_Test, ArrowsMoveFromTheEndOfAMouseSelectionAndTheFirstCellEndsAnyScroll) {
    driver.select_cells("Grid", 3, 3, 6, 5);
    driver.press(ui::Key::Right);
    EXPECT_EQ(grid.selection(), (ui::Cell_Range{7, 5, 7, 5}));

    driver.press(ui::Key::End, {.ctrl = true});
    grid.go_to_first_cell();
    EXPECT_EQ(place(), (std::array{1, 1, 1, 1}));
    EXPECT_EQ(grid.selection(), (ui::Cell_Range{1, 1, 1, 1}));
}

TEST_F(Window_Test, ControlsFollowTheirParentsResizeAsTheirAnchorsSay) {
    form.set_sizeable(true);
    auto& group = form.create<ui::Group_Box>(nullptr, "Group");
    group.set_bounds({0, 120, 300, 150});
    group.set_anchors(ui::All_Sides);
    auto& inner = form.create<ui::Edit>(&group, "Inner");
    inner.set_bounds({8, 16, 280, 120});
    inner.set_anchors(ui::All_Sides);
    auto& fixed = form.create<ui::Button>(nullptr, "Fixed");
    fixed.set_bounds({10, 10, 50, 20});
    auto& right_only = form.create<ui::Button>(nullptr, "Right");
    right_only.set_bounds({340, 10, 50, 20});
    right_only.set_anchors({.left = false, .top = true, .right = true, .bottom = false});

    driver.resize(500, 350);
    EXPECT_EQ(group.bounds(), (ui::Rect{0, 120, 400, 200}));
    EXPECT_EQ(inner.bounds(), (ui::Rect{8, 16, 380, 170}));
    EXPECT_EQ(fixed.bounds(), (ui::Rect{10, 10, 50, 20}));
    EXPECT_EQ(right_only.bounds(), (ui::Rect{440, 10, 50, 20}));

    driver.resize(300, 250);
    EXPECT_EQ(group.bounds(), (ui::Rect{0, 120, 200, 100}));
    EXPECT_EQ(inner.bounds(), (ui::Rect{8, 16, 180, 70}));

    driver.resize(400, 300);
    EXPECT_EQ(inner.bounds(), (ui::Rect{8, 16, 280, 120})) << "back at the design size, back at the design bounds";
}

TEST_F(Window_Test, AWindowThatIsNotSizeableKeepsItsSize) {
    driver.resize(500, 350);
    EXPECT_EQ(form.bounds(), (ui::Rect{0, 0, 400, 300}));
}

}  // namespace
