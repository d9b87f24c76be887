// The grid as a file for spreadsheets: the columns the report prints, the column captions as the
// first record, then the rows the report prints, each cell without its surrounding blanks. The
// file is UTF-8 with a byte-order mark (so spreadsheets read the accents right), one record per
// line ended by CR LF, fields separated by commas and quoted when they hold a comma, a quote or a
// line break, with inner quotes doubled.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "analysis/grid.h"
#include "print/grid_report.h"
#include "prompts/save_as.h"

namespace orbalis {

inline constexpr std::string_view kCsvFilter = "File CSV (*.csv)|*.csv";
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// How many columns the export of `kind` holds.
std::size_t csvColumnCount(ReportKind kind);

// The byte-order mark and the record of column captions (row 0 of `grid`).
std::string csvStart(const Grid &grid, ReportKind kind);
// Appends rows firstRow to endRow - 1 of `grid` as records, so that a grid made in parts can be
// written part by part.
void appendCsvRows(std::string &out, const Grid &grid, std::size_t firstRow, std::size_t endRow,
                   ReportKind kind);
// The whole export of `grid`.
std::string gridCsv(const Grid &grid, ReportKind kind);

// Writes the export to `path` atomically. Throws FileError.
void writeGridCsv(const std::string &path, const Grid &grid, ReportKind kind,
                  Publish publish = Publish::Replace);
// The export command of the windows: asks for a file name (and before replacing a file), writes
// the export and says so. FileErrors go through to the command's boundary.
SaveOutcome exportGridCsv(const Grid &grid, ReportKind kind, Prompter &prompter);

}  // namespace orbalis
