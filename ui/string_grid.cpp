#include "ui/string_grid.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace ui {

String_Grid::String_Grid(Form& form, Win_Control* parent, std::string name)
    : Win_Control(form, parent, std::move(name), Control_Kind::String_Grid) {
    set_tab_stop(true);
    set_color(Color_Window);
    resize(fixed_cols() + 1, fixed_rows() + 1);
}

String_Grid::Update::~Update() {
    if (--grid_.updating_ == 0 && grid_.changed_while_updating_) {
        grid_.changed_while_updating_ = false;
        grid_.changed();
    }
}

void String_Grid::notify() {
    if (updating_ > 0) changed_while_updating_ = true;
    else changed();
}

void String_Grid::cells_changed() {
    ++revision_;
    notify();
}

void String_Grid::check_inside(int col, int row) const {
    if (col < 0 || row < 0 || col >= col_count_ || row >= row_count_)
        throw std::out_of_range("Grid index out of range");
}

std::size_t String_Grid::stored_index(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(stored_cols_) + static_cast<std::size_t>(col);
}

// Moves the stored texts into a block of this extent; the texts outside it are dropped.
void String_Grid::reshape_store(int cols, int rows) {
    if (cols == stored_cols_ && rows == stored_rows_) return;
    std::vector<std::string> cells(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
    const int kept_cols = std::min(cols, stored_cols_);
    const int kept_rows = std::min(rows, stored_rows_);
    for (int row = 0; row < kept_rows; ++row)
        for (int col = 0; col < kept_cols; ++col)
            cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(col)] =
                std::move(cells_[stored_index(col, row)]);
    cells_ = std::move(cells);
    stored_cols_ = cols;
    stored_rows_ = rows;
}

// The store doubles its extent as it grows, so a grid filled cell by cell moves each text a few
// times only; it never reaches beyond the grid's size.
void String_Grid::store_up_to(int col, int row) {
    const auto extent = [](int index, int stored, int count) {
        if (index < stored) return stored;
        const std::int64_t doubled = std::max<std::int64_t>(index + 1, 2 * std::int64_t{stored});
        return static_cast<int>(std::min<std::int64_t>(count, doubled));
    };
    reshape_store(extent(col, stored_cols_, col_count_), extent(row, stored_rows_, row_count_));
}

void String_Grid::resize(int cols, int rows) {
    cols = std::max(cols, fixed_cols() + 1);
    rows = std::max(rows, fixed_rows() + 1);
    if (cols == col_count_ && rows == row_count_) return;
    col_count_ = cols;
    row_count_ = rows;
    reshape_store(std::min(stored_cols_, cols), std::min(stored_rows_, rows));
    keep_selection_inside();
    keep_scroll_inside();
    cells_changed();
}

void String_Grid::set_col_count(int count) { resize(count, row_count_); }
void String_Grid::set_row_count(int count) { resize(col_count_, count); }

void String_Grid::set_default_col_width(int width) {
    default_col_width_ = width;
    keep_scroll_inside();
    notify();
}

void String_Grid::set_default_row_height(int height) {
    default_row_height_ = height;
    keep_scroll_inside();
    notify();
}

void String_Grid::set_bounds(Rect bounds) {
    Win_Control::set_bounds(bounds);
    const int left_col = left_col_;
    const int top_row = top_row_;
    keep_scroll_inside();
    if (left_col != left_col_ || top_row != top_row_) notify();
}

void String_Grid::set_fixed_color(Color color) {
    fixed_color_ = color;
    changed();
}

const std::string& String_Grid::cell(int col, int row) const {
    static const std::string No_Text;
    check_inside(col, row);
    return col < stored_cols_ && row < stored_rows_ ? cells_[stored_index(col, row)] : No_Text;
}

void String_Grid::set_cell(int col, int row, std::string text) {
    if (cell(col, row) == text) return;
    store_up_to(col, row);
    cells_[stored_index(col, row)] = std::move(text);
    cells_changed();
}

void String_Grid::keep_selection_inside() {
    const auto inside_col = [this](int col) { return std::clamp(col, fixed_cols(), col_count_ - 1); };
    const auto inside_row = [this](int row) { return std::clamp(row, fixed_rows(), row_count_ - 1); };
    anchor_col_ = inside_col(anchor_col_);
    anchor_row_ = inside_row(anchor_row_);
    current_col_ = inside_col(current_col_);
    current_row_ = inside_row(current_row_);
    selection_ = {std::min(anchor_col_, current_col_), std::min(anchor_row_, current_row_),
                  std::max(anchor_col_, current_col_), std::max(anchor_row_, current_row_)};
}

void String_Grid::place_selection(int anchor_col, int anchor_row, int col, int row) {
    anchor_col_ = anchor_col;
    anchor_row_ = anchor_row;
    current_col_ = col;
    current_row_ = row;
    keep_selection_inside();
}

void String_Grid::select(int anchor_col, int anchor_row, int col, int row) {
    place_selection(anchor_col, anchor_row, col, row);
    notify();
}

void String_Grid::move_current(int col, int row) {
    place_selection(col, row, col, row);
    keep_current_in_view();
    notify();
}

void String_Grid::go_to_first_cell() {
    left_col_ = fixed_cols();
    top_row_ = fixed_rows();
    move_current(fixed_cols(), fixed_rows());
}

void String_Grid::press_key(Key key, Shift_State shift) {
    const int page = visible_row_count();
    const int last_col = col_count_ - 1;
    const int last_row = row_count_ - 1;
    int col = current_col_;
    int row = current_row_;
    switch (key) {
    case Key::Left: --col; break;
    case Key::Right: ++col; break;
    case Key::Up: --row; break;
    case Key::Down: ++row; break;
    // A page turns the view with the current cell, so that the cell keeps its place on screen.
    case Key::Page_Up:
        row -= page;
        top_row_ -= page;
        break;
    case Key::Page_Down:
        row += page;
        top_row_ += page;
        break;
    case Key::Home:
        col = fixed_cols();
        if (shift.ctrl) row = fixed_rows();
        break;
    case Key::End:
        col = last_col;
        if (shift.ctrl) row = last_row;
        break;
    default: return;
    }
    move_current(col, row);
}

// The cells inside the frame, less the scroll bars that the cells need. A bar across takes
// height, which may make a bar down needed, which takes width: the second round settles both.
String_Grid::Client_Area String_Grid::client_area() const {
    Client_Area area;
    const int inner_width = bounds().width - 2 * Frame_Width;
    const int inner_height = bounds().height - 2 * Frame_Width;
    const std::int64_t cells_width = std::int64_t{col_count_} * col_pitch();
    const std::int64_t cells_height = std::int64_t{row_count_} * row_pitch();
    for (int round = 0; round < 2; ++round) {
        area.horizontal_bar = cells_width > inner_width - (area.vertical_bar ? Scroll_Bar_Size : 0);
        area.vertical_bar = cells_height > inner_height - (area.horizontal_bar ? Scroll_Bar_Size : 0);
    }
    area.width = inner_width - (area.vertical_bar ? Scroll_Bar_Size : 0);
    area.height = inner_height - (area.horizontal_bar ? Scroll_Bar_Size : 0);
    return area;
}

int String_Grid::visible_col_count() const {
    return std::max(1, (client_area().width - fixed_cols() * col_pitch()) / col_pitch());
}

int String_Grid::visible_row_count() const {
    return std::max(1, (client_area().height - fixed_rows() * row_pitch()) / row_pitch());
}

void String_Grid::keep_scroll_inside() {
    left_col_ = std::clamp(left_col_, fixed_cols(), std::max(fixed_cols(), col_count_ - visible_col_count()));
    top_row_ = std::clamp(top_row_, fixed_rows(), std::max(fixed_rows(), row_count_ - visible_row_count()));
}

void String_Grid::keep_current_in_view() {
    left_col_ = std::clamp(left_col_, current_col_ - visible_col_count() + 1, current_col_);
    top_row_ = std::clamp(top_row_, current_row_ - visible_row_count() + 1, current_row_);
    keep_scroll_inside();
}

void String_Grid::scroll_to(int left_col, int top_row) {
    left_col_ = left_col;
    top_row_ = top_row;
    keep_scroll_inside();
    notify();
}

}  // namespace ui
