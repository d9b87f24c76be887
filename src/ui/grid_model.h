// A grid of the core as Qt's views see it: a table model over a core Grid. Row 0 of the grid is
// the horizontal header; grid row r is model row r - 1. The model holds no cells of its own.
//
// The core changes the grid first and says what it did (a GridChange); apply() then moves the
// views from what they showed to what the grid holds. While it announces the change, the model
// still shows the rows as the views knew them, as Qt's model contract asks.
#pragma once

#include <QAbstractTableModel>
#include <QFont>

#include <cstddef>

#include "analysis/grid.h"
#include "analysis/grid_change.h"

namespace orbalis::ui {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `grid` must outlive the model; the model only reads it.
    explicit GridModel(const Grid &grid, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // An empty row (every cell blank) cannot be selected, by click or by key.
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    static std::size_t gridRow(int modelRow) { return static_cast<std::size_t>(modelRow) + 1; }
    static int modelRow(std::size_t gridRow) { return static_cast<int>(gridRow) - 1; }

    const Grid &grid() const { return m_grid; }

    // Tells the views what a command of the core did to the grid.
    void apply(const GridChange &change);

private:
    // The grid row shown at `modelRow`, or 0 for a row that is no longer in the grid.
    std::size_t shownGridRow(int modelRow) const;
    int gridModelRows() const;

    const Grid &m_grid;
    QFont m_bold;
    int m_rows = 0;           // the rows the views know
    GridChange m_announcing;  // the change being announced, None between changes
};

}  // namespace orbalis::ui
