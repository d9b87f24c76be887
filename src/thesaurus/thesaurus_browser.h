// The two thesaurus browsers: the built-in one, which reads the built-in thesaurus and whose
// letter listing relies on its order, and the other one, which reads a thesaurus the user
// chooses and keeps, beside its results, the record number of every listed entry. The other
// browser also deletes and rewrites entries: always the record at the listed entry's own
// position in the file, and only in the file it read, unchanged since.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/grid_change.h"
#include "analysis/results_listing.h"
#include "prompts/prompter.h"
#include "records/record_file.h"
#include "records/thesaurus_table.h"

namespace orbalis {

enum class BrowserKind { BuiltIn, Other };

inline constexpr std::string_view kNoFormMessage =
    "Non e' disponibile alcuna informazione per la forma richiesta";
inline constexpr std::string_view kNoLetterMessage =
    "Non e' disponibile alcuna informazione per la lettera richiesta";
inline constexpr std::string_view kNoLemmaFormsMessage =
    "Non e' disponibile alcuna informazione per il lemma richiesto";
inline constexpr std::string_view kNoRowChosenMessage =
    "Non e' stato selezionato alcun elemento della griglia d'analisi!";
inline constexpr std::string_view kDeleteEntryTitle = "Cancellazione di una forma";
inline constexpr std::string_view kDeleteEntryQuestion = "Vuoi veramente cancellare questa forma?\r\n";
inline constexpr std::string_view kEmptyThesaurusMessage = "Il Thesaurus e' vuoto!";
// The form of a deleted entry.
inline constexpr std::string_view kDeletedForm = "$$$";

// What the entry editor works on: the chosen row's texts (trailing spaces removed) and the
// record they came from.
struct EntryEdit {
    std::size_t gridRow = 0;
    std::int64_t recordNo = 0;  // the entry's position in the file, from 1
    AnalysisFields fields;
};

class ThesaurusBrowser {
public:
    explicit ThesaurusBrowser(BrowserKind kind);

    // The opening of the built-in browser: reads `builtInPath` (created empty, or read as empty,
    // when missing) and reports "Il file 'donnees.dat' non esiste!" when it holds no record.
    void openBuiltIn(const std::string &builtInPath, Prompter &prompter);
    // The opening of the other browser: asks for a thesaurus file, reads it, and reports
    // "Il Thesaurus e' vuoto!" when it holds no record. A cancelled choice leaves it empty.
    void openOther(Prompter &prompter);
    // Reads the thesaurus at `path` and sets up the results grid; returns the records read.
    // Every whole record is read, however many there are.
    std::size_t load(const std::string &path, WhenMissing whenMissing = WhenMissing::Create);

    // Lists every entry whose form, lower-cased, equals `query` lower-cased (not trimmed).
    void searchForm(std::string_view query);
    // Lists the entries whose form begins with `letter` (lower-cased). The built-in browser
    // stops at the first entry whose initial sorts after the letter.
    void filterByLetter(char letter);
    // Lists every entry whose lemma, lower-cased and without surrounding spaces, equals `lemma`
    // treated alike, ordered as a paradigm is read: by category, then case-gender-number, then
    // mood-tense-voice (in the coding system's order of their parts), else in table order.
    void listLemma(std::string_view lemma);

    // The row the user chose by a click or a key; 0 while none is. A listing or a deletion
    // clears it. Returns false (and chooses nothing) for a row that holds no hit.
    bool chooseRow(std::size_t gridRow);
    std::size_t chosenRow() const { return m_chosenRow; }

    // The delete button: asks "Vuoi veramente cancellare questa forma?" about the chosen row,
    // overwrites its record with a deleted entry ("$$$", "_" in every other field), reads the
    // file again and removes the row from the grid. Throws FileError when the file cannot be
    // written or read again, or changed since it was read; the browser then stays as it was.
    GridChange deleteEntry(Prompter &prompter);
    // The modify button: what the editor opens on, or nullopt when no row with a form is chosen.
    std::optional<EntryEdit> entryToEdit() const;
    // The editor's "Salva": rewrites the record of `edit` with `fields` as typed (an empty field
    // is stored as spaces; the form is kept), reads the file again and shows the texts in the
    // row. Throws FileError as deleteEntry does.
    GridChange saveEntry(const EntryEdit &edit, const AnalysisFields &fields, Prompter &prompter);

    BrowserKind kind() const { return m_kind; }
    const ThesaurusTable &table() const { return m_table; }
    const ResultsListing &listing() const { return m_listing; }
    ResultsListing &listing() { return m_listing; }
    // The other browser's file; empty when none was chosen.
    const std::string &thesaurusFilePath() const { return m_path; }
    // The record number of the entry in each result row (item r - 1 for grid row r): its
    // position in the file, from 1.
    const std::vector<std::string> &resultIndex() const { return m_resultIndex; }
    // The table position of the entry in each result row, for either browser.
    const std::vector<std::size_t> &hitEntries() const { return m_hits; }

private:
    void beginListing(std::string_view noHitMessage);
    void addHit(std::size_t entry);
    // Writes `record` at the position of table entry `entry` in the file read.
    void rewrite(std::size_t entry, ThesaurusRecord record) const;
    // Reads the file again; the table is replaced only once the reading succeeded.
    void reread(Prompter &prompter);

    BrowserKind m_kind;
    ThesaurusTable m_table;
    ResultsListing m_listing;
    std::string m_path;
    std::vector<std::string> m_resultIndex;
    std::vector<std::size_t> m_hits;
    std::uint64_t m_readSize = 0;  // the file's size when it was read
    std::size_t m_chosenRow = 0;
};

}  // namespace orbalis
