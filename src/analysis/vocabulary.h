// The vocabulary of a text: the distinct lemmas of an analysis grid with their category, their
// translation and how many tokens of the text they analyse. The list a teacher hands out with a
// passage.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "analysis/grid.h"

namespace orbalis {

struct VocabularyEntry {
    std::string lemma;
    std::string category;
    std::string translation;  // without the markers of an enclitic, a degree or an appended cum
    std::size_t occurrences = 0;
    bool operator==(const VocabularyEntry &) const = default;
};

// The lemmas of the analysis grid's rows (proposals included; rows without a lemma left out),
// one entry per lemma and category, in alphabetical order (ignoring case). A token counts once
// per lemma whatever its number of analyses: a token is a run of rows of one form, and a row
// repeating an analysis already seen in the run begins the next token of the same form (rosa
// rosa).
std::vector<VocabularyEntry> textVocabulary(const Grid &analysisGrid);

namespace vocabulary_columns {
inline constexpr std::size_t kLemma = 0, kCategory = 1, kTranslation = 2, kOccurrences = 3, kCount = 4;
}

// The vocabulary as a grid of the common look: header row "Lemma", "Cat. gramm.", "Traduzione",
// "Occorrenze", one row per entry, the lemma bold.
Grid vocabularyGrid(const std::vector<VocabularyEntry> &entries);

}  // namespace orbalis
