// Editing the rows of an analysis workspace: selecting a row into the six edit fields, applying
// the fields back to the row (and adding the analysis to a user thesaurus), deleting and
// duplicating rows; and the re-opened workspace, whose grid comes from an analysis file and whose
// thesaurus for additions is chosen on first use.
//
// The edit fields are an AnalysisFields: form, lemma, translation, category, case-gender-number
// and mood-tense-voice, the window's Text1 to Text6, as Windows-1252 bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "analysis/analysis_grid.h"
#include "analysis/grid_change.h"
#include "prompts/prompter.h"
#include "records/file_error.h"
#include "records/thesaurus_record.h"

namespace orbalis {

// The message of the keypad buttons, duplicateRow, and applyEdit and deleteRow without a row.
inline constexpr std::string_view kSelectFormMessage = "Seleziona una forma.";

// What the user clicked in the grid: the row's six texts without trailing spaces, and the row
// becomes the selected row. nullopt (nothing changes) for the header row, a row past the end and
// an empty row (all seven cells empty).
std::optional<AnalysisFields> selectRow(AnalysisWorkspace &workspace, std::size_t row);

// Where applyEdit adds the analysis when Check1 is ticked.
struct ThesaurusAddition {
    // The user thesaurus to append to; empty when the re-opened workspace has none (its choice
    // was cancelled), in which case only the grid changes and the user is told so.
    std::string path;
};

enum class ApplyOutcome {
    NoRowSelected,   // "Seleziona una forma." shown; nothing changed
    Applied,         // the grid row changed; no thesaurus addition asked for
    Added,           // the grid row changed and the analysis was appended to the thesaurus
    AlreadyPresent,  // the grid row changed; "Analisi esistente" shown, nothing appended
    NoThesaurus,     // the grid row changed; no thesaurus chosen, nothing appended (message shown)
};

struct ApplyResult {
    ApplyOutcome outcome = ApplyOutcome::NoRowSelected;
    GridChange change;
    // The thesaurus could not take the analysis (read-only or vanished file, full disk): the
    // grid row has changed all the same, and the failure is for the window to report.
    std::optional<FileError> failure;
};

// Applies `fields` to the selected row (columns 0 to 5; the indicator and the colours stay, but a
// proposal row whose analysis is added to, or found in, the thesaurus becomes an ordinary row). With
// `addition`, first looks for an identical analysis in the workspace's table (form and the five
// texts compared lower-cased, trailing spaces ignored; in the re-opened workspace the form's
// trailing spaces too) and, if there is none, appends the analysis to the thesaurus file and to
// the table. A failed append does not cost the user the edit: see ApplyResult::failure.
ApplyResult applyEdit(AnalysisWorkspace &workspace, const AnalysisFields &fields,
                      const std::optional<ThesaurusAddition> &addition, Prompter &prompter);

// "&Accetta i suggerimenti": every proposal row ("?") confirmed at once. After one question that
// says how many analyses will be added, each proposal the thesaurus does not already hold (the
// identity test of applyEdit) is appended to it, and every proposal row becomes an ordinary row.
// Without a thesaurus for additions (the built-in one, or none chosen) nothing changes and the
// user is told why.
struct AcceptResult {
    std::size_t added = 0;      // analyses appended to the thesaurus
    std::size_t confirmed = 0;  // proposal rows made ordinary
    GridChange change;
    std::optional<FileError> failure;  // the append that failed; the rows before it are confirmed
};
inline constexpr std::string_view kAcceptTitle = "Accetta i suggerimenti";
AcceptResult acceptProposals(AnalysisWorkspace &workspace, const std::optional<ThesaurusAddition> &addition,
                             Prompter &prompter);

struct DeleteResult {
    GridChange change;
    // The row now at the selected place, as selectRow gives it (empty texts for an empty row);
    // nullopt when no row was selected.
    std::optional<AnalysisFields> shown;
};

// Deletes the selected row: the rows below move up one (texts, and colours of columns 1 to 6),
// the last row is emptied and the row count stays. "Seleziona una forma." when no row is
// selected.
DeleteResult deleteRow(AnalysisWorkspace &workspace, Prompter &prompter);

// Inserts below the selected row a new row with the same form ("_" in columns 1 to 5, the
// selected row's indicator); "Seleziona una forma." and no change when no row is selected.
// The selection does not move.
GridChange duplicateRow(AnalysisWorkspace &workspace, Prompter &prompter);

// The re-opened workspace: header with "Trazione", the rows of the analysis file at `path`, an
// empty table, no thesaurus chosen. Throws FileError.
AnalysisWorkspace openReopenedWorkspace(const std::string &path);

// The first change of Check1 in the re-opened workspace: asks for a thesaurus file (once per
// workspace, whatever the answer) and reads it into the table; "Il Thesaurus e' vuoto!" for an
// empty file. Returns false when the user cancelled or the choice was already made.
// Throws FileError when the chosen file cannot be read (the choice stays made).
bool chooseThesaurusLater(AnalysisWorkspace &workspace, Prompter &prompter);

}  // namespace orbalis
