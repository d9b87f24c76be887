// Generates the built-in thesaurus and the lexicon from their readable sources. The thesaurus
// is sorted by lower-cased form (character codes) and the lexicon by lower-cased lemma, both
// stably, since the lookup and the letter listings rely on those orders.
#pragma once

#include <string>

namespace orbalis {

// Columns: form, lemma, translation, category, case_gender_number, mood_tense_voice.
// Returns the number of records written. Throws FileError.
std::size_t compileThesaurus(const std::string &sourcePath, const std::string &outputPath);
// The names file: thesaurus records from a source of the same columns, without the thesaurus'
// limit on their number. It is only ever read whole, so its records carry no number (0).
std::size_t compileNames(const std::string &sourcePath, const std::string &outputPath);
// Columns: lemma, category, translation, french_derivatives, latin_derivatives.
std::size_t compileLexicon(const std::string &sourcePath, const std::string &outputPath);

}  // namespace orbalis
