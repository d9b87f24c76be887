#include "records/data_paths.h"

#include <sys/stat.h>
#include <cstdlib>

namespace orbalis {

namespace {

bool isDirectory(const char *path) {
    struct stat info {};
    return ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string dataDirectory() {
    if (const char *fromEnvironment = std::getenv("ORBALIS_DATA_DIR"); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    if (isDirectory(ORBALIS_SOURCE_DATA_DIR)) return ORBALIS_SOURCE_DATA_DIR;
    return ORBALIS_INSTALLED_DATA_DIR;
}

std::string builtInThesaurusPath() {
    return dataDirectory() + "/donnees.dat";
}
std::string lexiconPath() {
    return dataDirectory() + "/lexique.dat";
}

}  // namespace orbalis
