// The lookup transcribed step by step, as plainly as it is described: every form walks the table
// entry by entry, then one final empty step, growing the grid whenever the next row to fill is
// one past the end. It is the reference the indexed lookup is checked (and measured) against.
#pragma once

#include "analysis/analysis_grid.h"

namespace orbalis::reference {

std::size_t literalFillAnalysisGrid(Grid &grid, const FormList &forms, const ThesaurusTable &table,
                                    LookupMode mode);

}  // namespace orbalis::reference
