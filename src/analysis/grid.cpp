#include "analysis/grid.h"

#include <algorithm>

namespace orbalis {

Grid::Grid(std::size_t rows, std::size_t columns)
    : m_rows(rows), m_columns(columns), m_cells(rows * columns), m_columnWidths(columns, 0) {
    clear();
}

Grid::Grid(const Grid &other)
    : m_rows(other.m_rows),
      m_columns(other.m_columns),
      m_cells(other.m_cells),
      m_columnWidths(other.m_columnWidths),
      m_texts(other.m_texts),
      m_currentRow(other.m_currentRow),
      m_currentColumn(other.m_currentColumn),
      m_selectedRow(other.m_selectedRow),
      m_selectedColumn(other.m_selectedColumn),
      m_visible(other.m_visible) {
    rebuildTextIndex();
}

Grid &Grid::operator=(const Grid &other) {
    if (this != &other) {
        Grid copy(other);
        *this = std::move(copy);
    }
    return *this;
}

// The index holds views of this grid's own strings, so a copy indexes its copies afresh.
void Grid::rebuildTextIndex() {
    m_textIds.clear();
    for (std::size_t id = 0; id < m_texts.size(); ++id)
        m_textIds.emplace(m_texts[id], static_cast<TextId>(id));
}

void Grid::setRowCount(std::size_t rows) {
    m_cells.resize(rows * m_columns);
    m_rows = rows;
}

Grid::TextId Grid::intern(std::string_view text) {
    if (const auto found = m_textIds.find(text); found != m_textIds.end()) return found->second;
    const auto id = static_cast<TextId>(m_texts.size());
    const std::string &kept = m_texts.emplace_back(text);
    m_textIds.emplace(kept, id);
    return id;
}

void Grid::setText(std::size_t row, std::size_t column, std::string_view text) {
    cell(row, column).text = intern(text);
}

void Grid::clear() {
    std::fill(m_cells.begin(), m_cells.end(), Cell{});
    m_textIds.clear();
    m_texts.clear();
    intern("");
}

}  // namespace orbalis
