#include "ui/grid_model.h"

#include <QColor>

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

GridModel::GridModel(const Grid &grid, QObject *parent) : QAbstractTableModel(parent), m_grid(grid) {
    m_bold.setBold(true);
}

int GridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || m_grid.rowCount() == 0 ? 0 : static_cast<int>(m_grid.rowCount() - 1);
}

int GridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_grid.columnCount());
}

QVariant GridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const std::size_t row = gridRow(index.row());
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
    const std::size_t row = gridRow(index.row());
    for (std::size_t column = 0; column < m_grid.columnCount(); ++column) {
        const std::string &text = m_grid.text(row, column);
        if (text.find_first_not_of(' ') != std::string::npos)
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    }
    return Qt::ItemNeverHasChildren;
}

void GridModel::rowsChanged(std::size_t firstGridRow, std::size_t lastGridRow) {
    if (firstGridRow < 1) firstGridRow = 1;
    if (lastGridRow >= m_grid.rowCount()) lastGridRow = m_grid.rowCount() - 1;
    if (firstGridRow > lastGridRow) return;
    emit dataChanged(index(modelRow(firstGridRow), 0), index(modelRow(lastGridRow), columnCount() - 1));
}

}  // namespace orbalis::ui
