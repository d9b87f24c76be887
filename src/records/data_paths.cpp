#include "records/data_paths.h"

#include <cstdlib>

#include "records/file_system.h"

namespace orbalis {

std::string dataDirectory() {
    if (const char *fromEnvironment = std::getenv("ORBALIS_DATA_DIR"); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    if (fileKind(ORBALIS_SOURCE_DATA_DIR) == FileKind::Folder) return ORBALIS_SOURCE_DATA_DIR;
    return ORBALIS_INSTALLED_DATA_DIR;
}

std::string builtInThesaurusPath() {
    return dataDirectory() + "/donnees.dat";
}
std::string lexiconPath() {
    return dataDirectory() + "/lexique.dat";
}

}  // namespace orbalis
