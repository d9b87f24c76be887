// The lexicon of lemmas, read whole into memory, and its browser: a prefix search of the lemma
// and an initial-letter listing that relies on the file's order by lemma.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/results_listing.h"
#include "prompts/prompter.h"
#include "records/file_system.h"

namespace orbalis {

struct LexiconEntry {
    std::string lemma;              // trailing spaces removed
    std::string translation;        // trailing spaces removed
    std::string category;           // trailing spaces removed
    std::string frenchDerivatives;  // leading spaces removed, trailing padding kept
    std::string latinDerivatives;   // trailing spaces removed
    std::int32_t recordNo = 0;
};

using LexiconTable = std::vector<LexiconEntry>;

// Every whole record of the lexicon at `path`, in file order; nullopt (the lexicon is missing)
// when the file is absent or empty. An absent file is not created, unless `whenMissing` says
// otherwise. A file shorter than one record gives an empty table. Every whole record is read,
// however many there are.
std::optional<LexiconTable> loadLexicon(const std::string &path,
                                        WhenMissing whenMissing = WhenMissing::ReadEmpty);

inline constexpr std::string_view kNoLemmaMessage =
    "Non e' disponibile alcuna informazione per il lemma richiesto";

class LexiconBrowser {
public:
    LexiconBrowser();

    // The browser's opening: reads the lexicon and reports "Il file 'lexique.dat' non esiste!"
    // when it is missing (nothing is created); the browser then stays open with an empty table.
    void open(const std::string &path, Prompter &prompter);

    // Lists the entries whose lemma begins with `query` (lower-cased both, not trimmed); an
    // empty query lists every entry.
    void searchLemma(std::string_view query);
    // Lists the entries whose lemma begins with `letter`, stopping at the first lemma whose
    // initial sorts after it.
    void filterByLetter(char letter);

    const LexiconTable &table() const { return m_table; }
    void setTable(LexiconTable table) { m_table = std::move(table); }
    const ResultsListing &listing() const { return m_listing; }
    ResultsListing &listing() { return m_listing; }

private:
    void addHit(const LexiconEntry &entry);

    LexiconTable m_table;
    ResultsListing m_listing;
};

}  // namespace orbalis
