#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include <cstdint>

#include "ui/qt/peer.h"
#include "ui/string_grid.h"

namespace ui::qt {

// The grid's cells as Qt reads them: the cells that are not fixed are the table, the fixed row
// and column its headers. Nothing is copied; the view asks only for the cells it shows.
class Grid_Cells final : public QAbstractTableModel {
public:
    Grid_Cells(const ui::String_Grid& grid, QObject& parent);

    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The grid's size or cells changed: every view reads again what it shows.
    void reload();

private:
    QVariant text(int col, int row) const;

    const ui::String_Grid& grid_;
    // The size the views were last told.
    int rows_ = 0;
    int cols_ = 0;
};

// The grid on screen: fixed cells as silver headers that stay while the cells scroll, grid
// lines, the scroll bars the model asks for. A press and a drag select a range through the
// model; the scroll bars and the wheel scroll it through the model, which says which column and
// row come first after the headers.
class String_Grid_Peer final : public QTableView, public Peer {
public:
    String_Grid_Peer(ui::String_Grid& grid, QWidget& parent, Peer_Host& host);

protected:
    void show_state() override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void show_sizes();
    void show_selection();
    void show_scroll();
    void start_cells_at_headers();
    void scroll_bar_moved();
    void select_to(const QModelIndex& cell);

    ui::String_Grid& grid_;
    Grid_Cells cells_;
    std::uint64_t shown_revision_ = 0;
    // Set while the peer itself moves the scroll bars, so that they are not taken for the user.
    bool moving_scroll_bars_ = false;
    bool dragging_ = false;
    QModelIndex drag_anchor_;
};

}  // namespace ui::qt
