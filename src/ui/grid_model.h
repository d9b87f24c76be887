// The analysis grid as Qt's views see it: a table model over the core's Grid. Row 0 of the grid
// is the horizontal header; grid row r is model row r - 1. The model holds no cells of its own.
#pragma once

#include <QAbstractTableModel>
#include <QFont>

#include <cstddef>
#include <utility>

#include "analysis/grid.h"

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

    // The grid changes in the core first; these tell the views what changed, as narrowly as
    // they can. `change` runs between the model's announcements.
    template <class Change>
    void reload(Change &&change) {
        beginResetModel();
        std::forward<Change>(change)();
        endResetModel();
    }
    // `change` inserts one grid row after `gridRow`.
    template <class Change>
    void insertRowAfter(std::size_t gridRow, Change &&change) {
        beginInsertRows({}, modelRow(gridRow) + 1, modelRow(gridRow) + 1);
        std::forward<Change>(change)();
        endInsertRows();
    }
    // Grid rows first to last (inclusive) changed their texts or colours.
    void rowsChanged(std::size_t firstGridRow, std::size_t lastGridRow);

private:
    const Grid &m_grid;
    QFont m_bold;
};

}  // namespace orbalis::ui
