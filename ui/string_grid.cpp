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

void String_Grid::cells_changed() {
    ++revision_;
    if (updating_ > 0) changed_while_updating_ = true;
    else changed();
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
    cells_changed();
}

void String_Grid::set_col_count(int count) { resize(count, row_count_); }
void String_Grid::set_row_count(int count) { resize(col_count_, count); }

void String_Grid::set_default_col_width(int width) {
    default_col_width_ = width;
    changed();
}

void String_Grid::set_default_row_height(int height) {
    default_row_height_ = height;
    changed();
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
    selection_ = {inside_col(selection_.left), inside_row(selection_.top), inside_col(selection_.right),
                  inside_row(selection_.bottom)};
}

void String_Grid::select(int anchor_col, int anchor_row, int col, int row) {
    anchor_col_ = anchor_col;
    anchor_row_ = anchor_row;
    selection_ = {std::min(anchor_col, col), std::min(anchor_row, row), std::max(anchor_col, col),
                  std::max(anchor_row, row)};
    keep_selection_inside();
    changed();
}

void String_Grid::press_key(Key key) {
    // A page is as many rows as the control shows at its default row height.
    const int page = std::max(1, bounds().height / std::max(1, default_row_height_ + 1) - fixed_rows());
    int col = anchor_col_;
    int row = anchor_row_;
    switch (key) {
    case Key::Left: --col; break;
    case Key::Right: ++col; break;
    case Key::Up: --row; break;
    case Key::Down: ++row; break;
    case Key::Page_Up: row -= page; break;
    case Key::Page_Down: row += page; break;
    case Key::Home: col = fixed_cols(); break;
    case Key::End: col = col_count_ - 1; break;
    default: return;
    }
    select(col, row, col, row);
}

}  // namespace ui
