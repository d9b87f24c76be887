// Helpers shared by the tests of the analysis grid: a user thesaurus's bytes and a grid's column.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "analysis/grid.h"
#include "records/fixed_text.h"
#include "records/thesaurus_record.h"

namespace orbalis::testing {

// The records numbered from 1, one per analysis.
inline std::string thesaurusBytes(std::initializer_list<AnalysisFields> analyses) {
    std::string bytes;
    std::int16_t number = 0;
    for (const AnalysisFields &fields : analyses) bytes += encodeThesaurusRecord({++number, fields, {}});
    return bytes;
}

// The trimmed texts of a column below the header.
inline std::vector<std::string> column(const Grid &grid, std::size_t col) {
    std::vector<std::string> texts;
    for (std::size_t row = 1; row < grid.rowCount(); ++row)
        texts.emplace_back(trimRight(grid.text(row, col)));
    return texts;
}

}  // namespace orbalis::testing
