// A table of text cells with a current cell and a highlighted range: the model behind every grid
// the user sees (the analysis grid, the browsers' results). Row 0 holds the column headers.
// Texts are Windows-1252; equal texts are stored once, so a grid of many rows that repeat the
// same analyses stays small.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orbalis {

// The text colours the system gives cells. The desktop application turns them into colours:
// dark blue is red 0, green 0, blue 192; orange is red 255, green 128, blue 0; dark red is
// red 192, green 0, blue 0; dark green (proposed analyses) is red 0, green 128, blue 0.
enum class TextColour : std::uint8_t { Default, DarkBlue, Orange, DarkRed, DarkGreen };
enum class Alignment : std::uint8_t { Default, Centre };

class Grid {
public:
    using TextId = std::uint32_t;

    Grid(std::size_t rows, std::size_t columns);
    Grid(const Grid &other);
    Grid &operator=(const Grid &other);
    Grid(Grid &&) = default;
    Grid &operator=(Grid &&) = default;

    std::size_t rowCount() const { return m_rows; }
    std::size_t columnCount() const { return m_columns; }
    // Rows are added empty at the end or removed from the end; other cells keep text and style.
    void setRowCount(std::size_t rows);
    void appendRow() { setRowCount(m_rows + 1); }

    const std::string &text(std::size_t row, std::size_t column) const {
        return m_texts[cell(row, column).text];
    }
    void setText(std::size_t row, std::size_t column, std::string_view text);
    TextColour colour(std::size_t row, std::size_t column) const { return cell(row, column).colour; }
    void setColour(std::size_t row, std::size_t column, TextColour colour) {
        cell(row, column).colour = colour;
    }
    bool bold(std::size_t row, std::size_t column) const { return cell(row, column).bold; }
    void setBold(std::size_t row, std::size_t column, bool bold) { cell(row, column).bold = bold; }
    Alignment alignment(std::size_t row, std::size_t column) const { return cell(row, column).alignment; }
    void setAlignment(std::size_t row, std::size_t column, Alignment alignment) {
        cell(row, column).alignment = alignment;
    }

    // Fast path for filling many cells with the same texts: intern a text once, then set it by id.
    TextId intern(std::string_view text);
    void setTextId(std::size_t row, std::size_t column, TextId id) { cell(row, column).text = id; }
    // Equal texts have equal ids, so work on a cell's text can be done once per id.
    TextId textId(std::size_t row, std::size_t column) const { return cell(row, column).text; }
    const std::string &textOf(TextId id) const { return m_texts[id]; }
    std::size_t distinctTextCount() const { return m_texts.size(); }

    // Copies text, colour, bold flag and alignment of one cell to another.
    void copyCell(std::size_t fromRow, std::size_t fromColumn, std::size_t toRow, std::size_t toColumn) {
        cell(toRow, toColumn) = cell(fromRow, fromColumn);
    }

    // Width in 1/1440 inch; 0 stands for the grid's default width.
    int columnWidth(std::size_t column) const { return m_columnWidths[column]; }
    void setColumnWidth(std::size_t column, int width) { m_columnWidths[column] = width; }

    std::size_t currentRow() const { return m_currentRow; }
    std::size_t currentColumn() const { return m_currentColumn; }
    void setCurrentCell(std::size_t row, std::size_t column) { m_currentRow = row, m_currentColumn = column; }
    // The highlighted range runs from the current cell to the selected corner.
    std::size_t selectedRow() const { return m_selectedRow; }
    std::size_t selectedColumn() const { return m_selectedColumn; }
    void setSelection(std::size_t row, std::size_t column) { m_selectedRow = row, m_selectedColumn = column; }

    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    // Empties every cell, header row included, and returns every cell to the default style.
    // The row count stays.
    void clear();

private:
    void rebuildTextIndex();

    struct Cell {
        TextId text = 0;
        TextColour colour = TextColour::Default;
        bool bold = false;
        Alignment alignment = Alignment::Default;
    };

    Cell &cell(std::size_t row, std::size_t column) { return m_cells[row * m_columns + column]; }
    const Cell &cell(std::size_t row, std::size_t column) const { return m_cells[row * m_columns + column]; }

    std::size_t m_rows;
    std::size_t m_columns;
    std::vector<Cell> m_cells;
    std::vector<int> m_columnWidths;
    // Every distinct text once; id 0 is the empty text. A deque keeps the strings in place, so
    // the index's views stay valid as it grows.
    std::deque<std::string> m_texts;
    std::unordered_map<std::string_view, TextId> m_textIds;
    std::size_t m_currentRow = 0, m_currentColumn = 0;
    std::size_t m_selectedRow = 0, m_selectedColumn = 0;
    bool m_visible = true;
};

}  // namespace orbalis
