#include "ui/frozen_column_view.h"

#include <QHeaderView>
#include <QScrollBar>

namespace orbalis::ui {

FrozenColumnView::FrozenColumnView(QWidget *parent) : QTableView(parent), m_frozen(new QTableView(this)) {
    m_frozen->setObjectName(QStringLiteral("frozenColumn"));
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->verticalHeader()->hide();
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollMode(ScrollPerPixel);
    m_frozen->setSelectionBehavior(SelectRows);
    m_frozen->setSelectionMode(SingleSelection);
    m_frozen->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(m_frozen);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column != 0) return;
        m_frozen->setColumnWidth(0, width);
        updateFrozenGeometry();
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int height) { m_frozen->setRowHeight(row, height); });
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    // A click on the frozen column selects like a click on the table.
    connect(m_frozen, &QTableView::clicked, this, &QTableView::clicked);
}

void FrozenColumnView::setModel(QAbstractItemModel *model) {
    QTableView::setModel(model);
    m_frozen->setModel(model);
    m_frozen->setSelectionModel(selectionModel());
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &FrozenColumnView::updateFrozenColumns);
        connect(model, &QAbstractItemModel::columnsInserted, this, &FrozenColumnView::updateFrozenColumns);
    }
    updateFrozenColumns();
}

void FrozenColumnView::updateFrozenColumns() {
    if (!model()) return;
    for (int column = 1; column < model()->columnCount(); ++column) m_frozen->setColumnHidden(column, true);
    m_frozen->setColumnWidth(0, columnWidth(0));
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    updateFrozenGeometry();
}

void FrozenColumnView::updateFrozenGeometry() {
    m_frozen->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                          viewport()->height() + horizontalHeader()->height());
}

void FrozenColumnView::resizeEvent(QResizeEvent *event) {
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
}

QModelIndex FrozenColumnView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // Keep the cell the cursor moved to out from under the frozen column.
    if (cursorAction == MoveLeft && current.column() > 0 &&
        visualRect(current).topLeft().x() < m_frozen->columnWidth(0)) {
        const int newValue =
            horizontalScrollBar()->value() + visualRect(current).topLeft().x() - m_frozen->columnWidth(0);
        horizontalScrollBar()->setValue(newValue);
    }
    return current;
}

void FrozenColumnView::scrollTo(const QModelIndex &index, ScrollHint hint) {
    // Column 0 is always in view: going to one of its cells scrolls up or down, never sideways.
    const int sideways = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (index.column() == 0) horizontalScrollBar()->setValue(sideways);
}

}  // namespace orbalis::ui
