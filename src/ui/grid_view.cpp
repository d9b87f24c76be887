#include "ui/grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "ui/grid_model.h"

namespace orbalis::ui {

GridView::GridView(QWidget *parent, const char *name, const QString &accessibleName)
    : FrozenColumnView(parent) {
    setObjectName(QLatin1String(name));
    setAccessibleName(accessibleName);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    // The header row is captions only: a click on it selects nothing.
    horizontalHeader()->setSectionsClickable(false);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid() && (model()->flags(index) & Qt::ItemIsSelectable))
            emit rowChosen(GridModel::gridRow(index.row()));
    });
}

void GridView::setGridModel(GridModel *model) {
    m_model = model;
    setModel(model);
    frozenView()->setAccessibleName(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString());
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &GridView::selectionMoved);
    connect(model, &QAbstractItemModel::modelReset, this, &GridView::applyColumnWidths);
    applyColumnWidths();
}

void GridView::applyColumnWidths() {
    if (!m_model) return;
    const Grid &grid = m_model->grid();
    for (std::size_t column = 0; column < grid.columnCount(); ++column) {
        const int twips = grid.columnWidth(column);
        if (twips > 0) setColumnWidth(static_cast<int>(column), twips * logicalDpiX() / 1440);
    }
}

void GridView::showChosenRow(std::size_t gridRow) {
    const QSignalBlocker quiet(selectionModel());
    if (gridRow == 0 || GridModel::modelRow(gridRow) >= model()->rowCount()) {
        clearSelection();
    } else {
        selectRow(GridModel::modelRow(gridRow));
    }
    viewport()->update();
    frozenView()->viewport()->update();
}

void GridView::keyPressEvent(QKeyEvent *event) {
    m_byKey = true;
    // With no row chosen yet, the first arrow key chooses the row the cursor rests on (the
    // first one, after the grid got the focus) rather than the one after it.
    const QModelIndex here = currentIndex().isValid() ? currentIndex() : model()->index(0, 0);
    if (!selectionModel()->hasSelection() && (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) &&
        here.isValid() && (model()->flags(here) & Qt::ItemIsSelectable)) {
        setCurrentIndex(here);
        event->accept();
    } else {
        FrozenColumnView::keyPressEvent(event);
    }
    m_byKey = false;
}

void GridView::selectionMoved() {
    if (!m_byKey) return;
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (!rows.isEmpty()) emit rowChosen(GridModel::gridRow(rows.constFirst().row()));
}

}  // namespace orbalis::ui
