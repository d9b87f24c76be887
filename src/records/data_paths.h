// The data directory: where the built-in thesaurus, the lexicon and the names file live. $ORBALIS_DATA_DIR
// when set; otherwise, for a program run from its build tree, the data folder of the sources it was built
// from; otherwise share/orbalis under the program's installation prefix.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orbalis {

std::string dataDirectory();
std::string builtInThesaurusPath();  // donnees.dat in the data directory
std::string lexiconPath();           // lexique.dat in the data directory
std::string namesPath();             // nomi.dat in the data directory: the forms of proper names

// How much the data files hold: the records of the built-in thesaurus at `thesaurusPath` (one per
// analysed form) and of the lexicon at `lexiconPath` (one per lemma). Empty for a file that cannot
// be read; nothing is created.
struct DataDirectoryContents {
    std::optional<std::int64_t> thesaurusForms;
    std::optional<std::int64_t> lexiconLemmas;
};
DataDirectoryContents dataDirectoryContents(const std::string &thesaurusPath, const std::string &lexiconPath);

}  // namespace orbalis
