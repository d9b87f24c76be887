// The data directory: where the built-in thesaurus and the lexicon live. $ORBALIS_DATA_DIR when
// set; otherwise, for a program run from its build tree, the data folder of the sources it was
// built from; otherwise share/orbalis under the program's installation prefix.
#pragma once

#include <string>

namespace orbalis {

std::string dataDirectory();
std::string builtInThesaurusPath();  // donnees.dat in the data directory
std::string lexiconPath();           // lexique.dat in the data directory

}  // namespace orbalis
