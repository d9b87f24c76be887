#include "ui/grid_model.h"

#include <QColor>

#include <algorithm>

#include "ui/text_codec.h"

namespace orbalis::ui {

namespace {

QVariant brushOf(TextColour colour) {
    switch (colour) {
        case TextColour::DarkBlue:
            return QColor(0, 0, 192);
        case TextColour::Orange:
            return QColor(255, 128, 0);
        case TextColour::DarkRed:
            return QColor(192, 0, 0);
        case TextColour::DarkGreen:
            return QColor(0, 128, 0);
        case TextColour::Default:
            break;
    }
    return {};
}

QVariant alignmentOf(Alignment alignment) {
    return alignment == Alignment::Centre ? QVariant(Qt::AlignCenter)
                                          : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace

GridModel::GridModel(const Grid &grid, QObject *parent)
    : QAbstractTableModel(parent), m_grid(grid), m_rows(gridModelRows()) {
    m_bold.setBold(true);
}

int GridModel::gridModelRows() const {
    return m_grid.rowCount() == 0 ? 0 : static_cast<int>(m_grid.rowCount() - 1);
}

int GridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_rows;
}

std::size_t GridModel::shownGridRow(int modelRow) const {
    std::size_t row = gridRow(modelRow);
    const auto first = m_announcing.first, count = m_announcing.count;
    // While rows are announced as inserted, the rows the views know from `first` on are already
    // further down in the grid; while rows are announced as removed, those rows are already gone
    // and the rows after them already further up.
    if (m_announcing.kind == GridChange::Kind::Inserted && row >= first) {
        row += count;
    } else if (m_announcing.kind == GridChange::Kind::Removed && row >= first) {
        if (row < first + count) return 0;
        row -= count;
    }
    return row < m_grid.rowCount() ? row : 0;
}

int GridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_grid.columnCount());
}

QVariant GridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const std::size_t row = shownGridRow(index.row());
    if (row == 0) return {};
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return fromCp1252(m_grid.text(row, column));
        case Qt::ForegroundRole:
            return brushOf(m_grid.colour(row, column));
        case Qt::FontRole:
            return m_grid.bold(row, column) ? QVariant(m_bold) : QVariant();
        case Qt::TextAlignmentRole:
            return alignmentOf(m_grid.alignment(row, column));
        default:
            return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    if (section < 0 || section >= columnCount() || m_grid.rowCount() == 0) return {};
    const auto column = static_cast<std::size_t>(section);
    switch (role) {
        case Qt::DisplayRole:
            return fromCp1252(m_grid.text(0, column));
        case Qt::TextAlignmentRole:
            return alignmentOf(m_grid.alignment(0, column));
        default:
            return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const {
    if (!index.isValid() || index.row() >= rowCount()) return Qt::NoItemFlags;
    const std::size_t row = shownGridRow(index.row());
    if (row == 0) return Qt::ItemNeverHasChildren;
    for (std::size_t column = 0; column < m_grid.columnCount(); ++column) {
        const std::string &text = m_grid.text(row, column);
        if (text.find_first_not_of(' ') != std::string::npos)
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    }
    return Qt::ItemNeverHasChildren;
}

void GridModel::apply(const GridChange &change) {
    using Kind = GridChange::Kind;
    const int first = modelRow(change.first);
    const int last = first + static_cast<int>(change.count) - 1;
    switch (change.kind) {
        case Kind::None:
            return;
        case Kind::Changed: {
            const int end = std::min(last, m_rows - 1);
            if (first >= 0 && first <= end) emit dataChanged(index(first, 0), index(end, columnCount() - 1));
            return;
        }
        case Kind::Inserted:
            m_announcing = change;
            beginInsertRows({}, first, last);
            m_announcing = {};
            m_rows = gridModelRows();
            endInsertRows();
            return;
        case Kind::Removed:
            m_announcing = change;
            beginRemoveRows({}, first, last);
            m_announcing = {};
            m_rows = gridModelRows();
            endRemoveRows();
            return;
        case Kind::Reset:
            beginResetModel();
            m_rows = gridModelRows();
            endResetModel();
            return;
    }
}

}  // namespace orbalis::ui
