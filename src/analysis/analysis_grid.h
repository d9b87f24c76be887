// The analysis grid of a workspace and the lookup that fills it: one row per analysis of each
// form of the text, in text order, or one marked row for a form the thesaurus does not know.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "analysis/grid.h"
#include "records/record_file.h"
#include "records/thesaurus_table.h"
#include "text/tokenizer.h"

namespace orbalis {

namespace analysis_columns {
inline constexpr std::size_t kForm = 0, kLemma = 1, kTranslation = 2, kCategory = 3, kCaseGenderNumber = 4,
                             kMoodTenseVoice = 5, kIndicator = 6, kCount = 7;
}

inline constexpr std::string_view kEmptyValue = "_";    // an empty value in rows and records
inline constexpr std::string_view kNotFoundMark = "*";  // the indicator of an unknown form

// The header of a fresh analysis grid ("Traduzione") or of a re-opened one ("Trazione").
enum class GridHeader { Analysis, Reopened };

// A grid of the workspaces' design size (20 rows, 7 columns), header not yet set up.
Grid makeAnalysisGrid();
// Writes the seven column headers into row 0, each cell centred.
void setUpGridHeader(Grid &grid, GridHeader header = GridHeader::Analysis);

// The texts of columns 0 to 5 of grid row `row` (form, lemma, translation, category,
// case-gender-number, mood-tense-voice), as held; and writing them into a row.
AnalysisFields rowTexts(const Grid &grid, std::size_t row);
void setRowTexts(Grid &grid, std::size_t row, const AnalysisFields &fields);

// Sorted: the table is taken as sorted by lower-cased form, and a form's scan stops at the first
// entry that sorts after it before any analysis was found (the built-in thesaurus). Full: every
// form is compared with every entry (a user thesaurus, in no order).
enum class LookupMode { Sorted, Full };

// Looks every form up in `table` and writes the rows from row 1 on, growing the grid as needed.
// The analyses of a form come in table order; a form with two or more analyses has its analysis
// columns orange; the form cells are bold dark blue. When the last form was found, the grid ends
// with one empty row after the last written row. Sentinel entries match no form.
// Returns the row after the last row written.
std::size_t fillAnalysisGrid(Grid &grid, const FormList &forms, const ThesaurusTable &table, LookupMode mode);

// What a workspace's status bar tells of its grid. A run of consecutive rows with the same form
// is one form of the text (its analyses, or a row duplicated for a further analysis); a form is
// unknown while its rows carry the "*" indicator and no lemma has been typed in, proposed while
// its rows are unknown or proposals ("?") and at least one is a proposal, known otherwise.
struct GridSummary {
    std::size_t rows = 0;      // data rows holding something
    std::size_t forms = 0;     // forms of the text
    std::size_t unknown = 0;   // forms the thesaurus did not know and the user has not analysed
    std::size_t proposed = 0;  // forms with proposed analyses waiting to be confirmed
    std::size_t known() const { return forms - unknown - proposed; }
};
GridSummary summariseGrid(const Grid &grid);

// A workspace filled by a lookup (frmanalyse) or from an analysis file (frmanalyse02).
enum class WorkspaceKind { Analysis, Reopened };

// The state of an analysis workspace: what its load builds, and what editing keeps.
struct AnalysisWorkspace {
    WorkspaceKind kind = WorkspaceKind::Analysis;
    Grid grid = makeAnalysisGrid();
    FormList forms;
    ThesaurusTable table;
    std::size_t nextRow = 1;
    std::size_t selectedRow = 0;  // the data row last selected; 0 = none
    // The re-opened workspace's thesaurus for additions, chosen on the first use of Check1.
    bool thesaurusChosen = false;
    std::string additionsPath;
};

// The longest text the analysis workspace takes. Its grid and forms hold every row in memory,
// about 95 bytes a row, and a Latin text gives about one row per 3 bytes (homographs give several):
// 16 MB make some 6 million rows and 0.6 GB. The batch tool, which analyses a text part by part,
// takes longer ones.
inline constexpr std::uint64_t kWorkspaceTextLimitBytes = std::uint64_t{16} << 20;

// A text longer than kWorkspaceTextLimitBytes offered to the workspace.
class TextTooLongForWorkspace : public std::exception {
public:
    TextTooLongForWorkspace(std::uint64_t size, std::uint64_t limit) : m_size(size), m_limit(limit) {}
    std::uint64_t size() const { return m_size; }
    std::uint64_t limit() const { return m_limit; }
    const char *what() const noexcept override { return "TextTooLongForWorkspace"; }

private:
    std::uint64_t m_size;
    std::uint64_t m_limit;
};

// The load of the analysis workspace: header, forms of `text`, the thesaurus at `thesaurusPath`
// read whole, and the lookup. Throws TextTooLongForWorkspace before anything is read for a text
// above kWorkspaceTextLimitBytes, and FileError when the thesaurus cannot be read.
AnalysisWorkspace openAnalysisWorkspace(std::string_view text, const std::string &thesaurusPath,
                                        LookupMode mode, WhenMissing whenMissing = WhenMissing::Create);

}  // namespace orbalis
