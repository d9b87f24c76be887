// The data directory: where the built-in thesaurus and the lexicon live. $ORBALIS_DATA_DIR when
// set; otherwise the data folder of the source tree the program was built from, when it still
// exists; otherwise the installed share directory.
#pragma once

#include <string>

namespace orbalis {

std::string dataDirectory();
std::string builtInThesaurusPath();  // donnees.dat in the data directory
std::string lexiconPath();           // lexique.dat in the data directory

}  // namespace orbalis
