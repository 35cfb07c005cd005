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
