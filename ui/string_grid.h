#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/win_control.h"

namespace ui {

// A rectangle of cells, its corners included.
struct Cell_Range {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Cell_Range&, const Cell_Range&) = default;
};

// A grid of text cells addressed as (column, row). The first column and the first row are
// fixed: they stay in place while the others scroll, by whole cells. The user selects ranges of
// the other cells and cannot edit any.
class String_Grid : public Win_Control {
public:
    // The sunken frame inside the bounds and the scroll bars inside the frame.
    static constexpr int Frame_Width = 2;
    static constexpr int Scroll_Bar_Size = 16;

    String_Grid(Form& form, Win_Control* parent, std::string name);

    int col_count() const { return col_count_; }
    int row_count() const { return row_count_; }
    // Cells inside both the old and the new size keep their texts; a grid keeps at least one
    // column and one row besides its fixed ones. A change of size allocates nothing: the cells are
    // stored only over the rectangle that texts were written to, so a size passed through on the
    // way to another (many columns while the rows are still many) costs no memory.
    void set_col_count(int count);
    void set_row_count(int count);
    int fixed_cols() const { return 1; }
    int fixed_rows() const { return 1; }

    int default_col_width() const { return default_col_width_; }
    void set_default_col_width(int width);
    int default_row_height() const { return default_row_height_; }
    void set_default_row_height(int height);
    Color fixed_color() const { return fixed_color_; }
    void set_fixed_color(Color color);

    // Outside the grid they raise std::out_of_range.
    const std::string& cell(int col, int row) const;
    void set_cell(int col, int row, std::string text);

    // Tells views that the cells changed; writes between the start and the end of an update
    // are told once, at its end.
    class Update {
    public:
        explicit Update(String_Grid& grid) : grid_(grid) { ++grid_.updating_; }
        ~Update();
        Update(const Update&) = delete;
        Update& operator=(const Update&) = delete;

    private:
        String_Grid& grid_;
    };
    // Grows with every change of the cells or the size, so that a view can tell whether to
    // read them again.
    std::uint64_t revision() const { return revision_; }

    // The selected cells, always inside the cells that are not fixed; the anchor is where a
    // range selection started, the current cell where it ends.
    const Cell_Range& selection() const { return selection_; }
    int current_col() const { return current_col_; }
    int current_row() const { return current_row_; }
    // A selection by the mouse: it scrolls nothing, the cells are where the pointer is.
    void select(int anchor_col, int anchor_row, int col, int row);
    // The first cell becomes the current one, shown in the top-left corner: where a new table starts.
    void go_to_first_cell();
    // Arrows, pages, Home and End move a one-cell selection; with Ctrl, Home and End go to the
    // first and the last cell. The current cell is scrolled into view.
    void press_key(Key key, Shift_State shift = {});

    // The first scrolling column and row shown, right after the fixed ones.
    int left_col() const { return left_col_; }
    int top_row() const { return top_row_; }
    // Scrolls as far as the last column and row allow: no further than to show them whole.
    void scroll_to(int left_col, int top_row);
    // Whether the cells overflow the frame across (a horizontal scroll bar) and down (a vertical one).
    bool has_horizontal_bar() const { return client_area().horizontal_bar; }
    bool has_vertical_bar() const { return client_area().vertical_bar; }
    // How many whole scrolling cells the area inside the frame and scroll bars shows, at least one.
    int visible_col_count() const;
    int visible_row_count() const;

    void set_bounds(Rect bounds) override;

private:
    struct Client_Area {
        int width = 0;
        int height = 0;
        bool horizontal_bar = false;
        bool vertical_bar = false;
    };
    Client_Area client_area() const;
    int col_pitch() const { return default_col_width_ + 1; }
    int row_pitch() const { return default_row_height_ + 1; }
    void place_selection(int anchor_col, int anchor_row, int col, int row);
    void move_current(int col, int row);
    void keep_scroll_inside();
    void keep_current_in_view();
    void notify();
    void check_inside(int col, int row) const;
    std::size_t stored_index(int col, int row) const;
    void store_up_to(int col, int row);
    void reshape_store(int cols, int rows);
    void resize(int cols, int rows);
    void cells_changed();
    void keep_selection_inside();

    int col_count_ = 0;
    int row_count_ = 0;
    // Row by row over the first stored_cols_ columns and stored_rows_ rows; the cells beyond are empty.
    std::vector<std::string> cells_;
    int stored_cols_ = 0;
    int stored_rows_ = 0;
    int default_col_width_ = 64;
    int default_row_height_ = 24;
    Color fixed_color_ = Color_Button_Face;
    int updating_ = 0;
    bool changed_while_updating_ = false;
    std::uint64_t revision_ = 0;
    Cell_Range selection_ = {1, 1, 1, 1};
    int anchor_col_ = 1;
    int anchor_row_ = 1;
    int current_col_ = 1;
    int current_row_ = 1;
    int left_col_ = 1;
    int top_row_ = 1;
};

}  // namespace ui
