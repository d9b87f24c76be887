// The results grid of the browsers (thesaurus and lexicon): every listing replaces the grid's
// rows with its hits, one per row in table order, followed by one empty row. A listing without
// hits hides the grid and shows its message instead.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/grid.h"

namespace orbalis {

struct ResultsColumn {
    std::string_view header;
    int width;  // 1/1440 inch; 0 for the grid's default width
};

class ResultsListing {
public:
    explicit ResultsListing(std::vector<ResultsColumn> columns);

    const Grid &grid() const { return m_grid; }
    Grid &grid() { return m_grid; }
    // The message shown in place of the grid when a listing found nothing.
    const std::string &message() const { return m_message; }
    bool messageVisible() const { return m_messageVisible; }
    std::size_t hitCount() const { return m_nextRow - 1; }

    // Header captions (centred) and column widths.
    void setUpResultsGrid();

    void begin(std::string_view noHitMessage);
    // Writes one hit into the next row; the first text is shown bold dark blue.
    void addHit(std::initializer_list<std::string_view> texts);
    void end();

    // Replaces the texts of hit row `row`; the cells keep their style.
    void setHitTexts(std::size_t row, std::initializer_list<std::string_view> texts);
    // Removes hit row `row`: the rows below move up, and the grid still ends with one empty row.
    void removeHit(std::size_t row);

private:
    std::vector<ResultsColumn> m_columns;
    Grid m_grid;
    std::string m_message;
    bool m_messageVisible = false;
    std::size_t m_nextRow = 1;
};

// Lower-cases the first character of `text`, or returns 0 for an empty text.
char lowerInitial(std::string_view text);

}  // namespace orbalis
