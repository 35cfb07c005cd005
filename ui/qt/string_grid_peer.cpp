#include "ui/qt/string_grid_peer.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

#include "ui/qt/colors.h"
#include "ui/qt/text.h"
#include "ui/user_input.h"

namespace ui::qt {

Grid_Cells::Grid_Cells(const ui::String_Grid& grid, QObject& parent) : QAbstractTableModel(&parent), grid_(grid) {
    reload();
}

int Grid_Cells::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int Grid_Cells::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant Grid_Cells::text(int col, int row) const {
    // Until the view has read the grid again it may ask for cells the grid no longer has.
    if (col >= grid_.col_count() || row >= grid_.row_count()) return {};
    return to_qstring(grid_.cell(col, row));
}

QVariant Grid_Cells::data(const QModelIndex& index, int role) const {
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return text(index.column() + grid_.fixed_cols(), index.row() + grid_.fixed_rows());
}

QVariant Grid_Cells::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return text(section + grid_.fixed_cols(), 0);
    return text(0, section + grid_.fixed_rows());
}

Qt::ItemFlags Grid_Cells::flags(const QModelIndex&) const { return Qt::ItemIsEnabled | Qt::ItemIsSelectable; }

void Grid_Cells::reload() {
    beginResetModel();
    rows_ = grid_.row_count() - grid_.fixed_rows();
    cols_ = grid_.col_count() - grid_.fixed_cols();
    endResetModel();
}

String_Grid_Peer::String_Grid_Peer(ui::String_Grid& grid, QWidget& parent, Peer_Host& host)
    : QTableView(&parent), Peer(grid, *this, host), grid_(grid), cells_(grid, *this) {
    setModel(&cells_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setFocusPolicy(Qt::NoFocus);
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] { scroll_bar_moved(); });
}

void String_Grid_Peer::show_sizes() {
    // A cell's pitch is its width or height and the grid line after it.
    const int col_pitch = grid_.default_col_width() + 1;
    const int row_pitch = grid_.default_row_height() + 1;
    horizontalHeader()->setDefaultSectionSize(col_pitch);
    verticalHeader()->setDefaultSectionSize(row_pitch);
    horizontalHeader()->setFixedHeight(row_pitch);
    verticalHeader()->setFixedWidth(col_pitch);
    const QString fixed = to_qcolor(grid_.fixed_color()).name();
    const QString style = QStringLiteral(
                              "QTableView { gridline-color: #a0a0a0; }"
                              "QHeaderView::section, QTableCornerButton::section {"
                              " background-color: %1; color: black; padding: 0px 0px 0px 2px;"
                              " border: none; border-right: 1px solid #808080; border-bottom: 1px solid #808080; }")
                              .arg(fixed);
    if (styleSheet() != style) setStyleSheet(style);
}

void String_Grid_Peer::show_selection() {
    const ui::Cell_Range& range = grid_.selection();
    const int fixed_col = grid_.fixed_cols();
    const int fixed_row = grid_.fixed_rows();
    const QModelIndex top_left = cells_.index(range.top - fixed_row, range.left - fixed_col);
    const QModelIndex bottom_right = cells_.index(range.bottom - fixed_row, range.right - fixed_col);
    selectionModel()->select(QItemSelection(top_left, bottom_right), QItemSelectionModel::ClearAndSelect);
}

// Each scroll bar counts the scrolling cells from the first, as the view's sections do.
void String_Grid_Peer::show_scroll() {
    const QScopedValueRollback moving(moving_scroll_bars_, true);
    horizontalScrollBar()->setValue(grid_.left_col() - grid_.fixed_cols());
    verticalScrollBar()->setValue(grid_.top_row() - grid_.fixed_rows());
}

// The table view puts its last cells flush with the far edge when a bar is at its end, so that
// the first ones sit partly under the headers; here every first cell starts whole after them.
void String_Grid_Peer::start_cells_at_headers() {
    const int left = horizontalHeader()->offset();
    const int top = verticalHeader()->offset();
    horizontalHeader()->setOffsetToSectionPosition(horizontalScrollBar()->value());
    verticalHeader()->setOffsetToSectionPosition(verticalScrollBar()->value());
    if (left != horizontalHeader()->offset() || top != verticalHeader()->offset()) viewport()->update();
}

void String_Grid_Peer::updateGeometries() {
    {
        const QScopedValueRollback moving(moving_scroll_bars_, true);
        QTableView::updateGeometries();
    }
    show_scroll();
    start_cells_at_headers();
}

void String_Grid_Peer::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    start_cells_at_headers();
}

void String_Grid_Peer::scroll_bar_moved() {
    if (moving_scroll_bars_) return;
    const int left_col = horizontalScrollBar()->value() + grid_.fixed_cols();
    const int top_row = verticalScrollBar()->value() + grid_.fixed_rows();
    forward([this, left_col, top_row] { ui::user::scroll_cells(grid_, left_col, top_row); });
}

// The model says which scroll bars show, so that the cells' area is the one it counts whole cells in.
void String_Grid_Peer::show_state() {
    if (grid_.revision() != shown_revision_) {
        shown_revision_ = grid_.revision();
        cells_.reload();
    }
    set_background(*viewport(), QPalette::Base, grid_.color());
    show_sizes();
    setHorizontalScrollBarPolicy(grid_.has_horizontal_bar() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(grid_.has_vertical_bar() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    show_selection();
    updateGeometries();
}

void String_Grid_Peer::select_to(const QModelIndex& cell) {
    if (!cell.isValid() || !drag_anchor_.isValid()) return;
    const int fixed_col = grid_.fixed_cols();
    const int fixed_row = grid_.fixed_rows();
    const int anchor_col = drag_anchor_.column() + fixed_col;
    const int anchor_row = drag_anchor_.row() + fixed_row;
    const int col = cell.column() + fixed_col;
    const int row = cell.row() + fixed_row;
    forward(
        [this, anchor_col, anchor_row, col, row] { ui::user::select_cells(grid_, anchor_col, anchor_row, col, row); });
}

void String_Grid_Peer::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (!cell.isValid()) {
        forward([this] { ui::user::press_into(grid_); });
        return;
    }
    dragging_ = true;
    drag_anchor_ = cell;
    select_to(cell);
}

void String_Grid_Peer::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) select_to(indexAt(event->position().toPoint()));
}

void String_Grid_Peer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

void String_Grid_Peer::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

}  // namespace ui::qt
