// The two thesaurus browsers: the built-in one, which reads the built-in thesaurus and whose
// letter listing relies on its order, and the other one, which reads a thesaurus the user
// chooses and keeps, beside its results, the record number of every listed entry.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    std::size_t load(const std::string &path, WhenMissing whenMissing = WhenMissing::Create);

    // Lists every entry whose form, lower-cased, equals `query` lower-cased (not trimmed).
    void searchForm(std::string_view query);
    // Lists the entries whose form begins with `letter` (lower-cased). The built-in browser
    // stops at the first entry whose initial sorts after the letter.
    void filterByLetter(char letter);

    BrowserKind kind() const { return m_kind; }
    const ThesaurusTable &table() const { return m_table; }
    const ResultsListing &listing() const { return m_listing; }
    ResultsListing &listing() { return m_listing; }
    // The other browser's file; empty when none was chosen.
    const std::string &thesaurusFilePath() const { return m_path; }
    // The record-number text of the entry in each result row (item r - 1 for grid row r).
    const std::vector<std::string> &resultIndex() const { return m_resultIndex; }
    // The table position of the entry in each result row, for either browser.
    const std::vector<std::size_t> &hitEntries() const { return m_hits; }

private:
    void beginListing(std::string_view noHitMessage);
    void addHit(std::size_t entry);

    BrowserKind m_kind;
    ThesaurusTable m_table;
    ResultsListing m_listing;
    std::string m_path;
    std::vector<std::string> m_resultIndex;
    std::vector<std::size_t> m_hits;
};

}  // namespace orbalis
