// The printed report of a grid: every data row as labelled lines (one per printed column, the
// label followed by the cell's text without trailing spaces) and a separator line, ten rows to
// a page. Kept as pages of lines, so that it can be printed, shown or written out.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/grid.h"

namespace orbalis {

inline constexpr std::string_view kReportFont = "verdana";
inline constexpr int kReportFontPoints = 9;
inline constexpr std::size_t kEntriesPerPage = 10;
inline constexpr std::string_view kReportSeparator =
    "----------------------------------------------------------------";

// Labels of the workspace and thesaurus grids (columns 0 to 5) and of the lexicon grid (0 to 4).
std::span<const std::string_view> analysisReportLabels();
std::span<const std::string_view> lexiconReportLabels();

struct PrintedReport {
    // The lines of each page, in order. A new page starts after every tenth entry, also after
    // the last one, so the last page may be empty.
    std::vector<std::vector<std::string>> pages;
};

// Prints rows 1 to `lastRow` of `grid`, one line per label (column i gets label i). The grid's
// current cell stays where it is: a command acting on the selected row after printing still
// acts on the row the user chose.
PrintedReport printGridReport(const Grid &grid, std::span<const std::string_view> labels,
                              std::size_t lastRow);

// Which row the report of each window ends at: every row below the header for the workspaces,
// all but the always-empty last row for the browsers.
inline std::size_t workspaceReportLastRow(const Grid &grid) {
    return grid.rowCount() - 1;
}
inline std::size_t browserReportLastRow(const Grid &grid) {
    return grid.rowCount() >= 2 ? grid.rowCount() - 2 : 0;
}

// The grids that are printed and exported: the workspaces' (every row below the header, the
// indicator column left out), the thesaurus browsers' and the lexicon browser's (the listing
// without its empty last row), and a text's vocabulary (every row).
enum class ReportKind { Workspace, ThesaurusBrowser, Lexicon, Vocabulary };

std::span<const std::string_view> reportLabels(ReportKind kind);
std::size_t reportLastRow(const Grid &grid, ReportKind kind);
PrintedReport printGridReport(const Grid &grid, ReportKind kind);

}  // namespace orbalis
