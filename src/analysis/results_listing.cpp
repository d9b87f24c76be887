#include "analysis/results_listing.h"

#include "text/encoding.h"

namespace orbalis {

ResultsListing::ResultsListing(std::vector<ResultsColumn> columns)
    : m_columns(std::move(columns)), m_grid(2, m_columns.size()) {}

void ResultsListing::setUpResultsGrid() {
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        m_grid.setText(0, column, m_columns[column].header);
        m_grid.setAlignment(0, column, Alignment::Centre);
        m_grid.setColumnWidth(column, m_columns[column].width);
    }
}

void ResultsListing::begin(std::string_view noHitMessage) {
    m_message = noHitMessage;
    m_messageVisible = false;
    m_grid.setVisible(true);
    m_grid.clear();
    setUpResultsGrid();
    m_grid.setRowCount(2);
    m_nextRow = 1;
}

void ResultsListing::addHit(std::initializer_list<std::string_view> texts) {
    m_grid.appendRow();
    std::size_t column = 0;
    for (const std::string_view text : texts) m_grid.setText(m_nextRow, column++, text);
    m_grid.setBold(m_nextRow, 0, true);
    m_grid.setColour(m_nextRow, 0, TextColour::DarkBlue);
    ++m_nextRow;
}

void ResultsListing::setHitTexts(std::size_t row, std::initializer_list<std::string_view> texts) {
    std::size_t column = 0;
    for (const std::string_view text : texts) m_grid.setText(row, column++, text);
}

void ResultsListing::removeHit(std::size_t row) {
    for (std::size_t below = row + 1; below < m_grid.rowCount(); ++below)
        for (std::size_t column = 0; column < m_grid.columnCount(); ++column)
            m_grid.copyCell(below, column, below - 1, column);
    m_grid.setRowCount(m_grid.rowCount() - 1);
    --m_nextRow;
}

void ResultsListing::end() {
    if (m_nextRow == 1) {
        m_grid.setVisible(false);
        m_messageVisible = true;
    }
}

char lowerInitial(std::string_view text) {
    return text.empty() ? '\0' : lowerCp1252(text.front());
}

}  // namespace orbalis
