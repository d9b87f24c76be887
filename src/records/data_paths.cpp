#include "records/data_paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace orbalis {

namespace fs = std::filesystem;

namespace {

fs::path runningExecutable() {
    std::error_code error;
    fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : path;
}

bool isDirectory(const fs::path &path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool isInside(const fs::path &path, const fs::path &folder) {
    const auto relative = path.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != "..";
}

}  // namespace

std::string dataDirectory() {
    if (const char *fromEnvironment = std::getenv("ORBALIS_DATA_DIR"); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    const fs::path executable = runningExecutable();
    // A program run from its build tree uses the data of the sources it was built from; an
    // installed one never does, even where those sources still exist.
    if (!executable.empty() && isInside(executable, ORBALIS_BUILD_DIR) && isDirectory(ORBALIS_SOURCE_DATA_DIR))
        return ORBALIS_SOURCE_DATA_DIR;
    // An installed program finds its data under its own prefix, wherever that prefix is.
    if (!executable.empty()) {
        const fs::path shared = executable.parent_path().parent_path() / "share" / "orbalis";
        if (isDirectory(shared)) return shared.string();
    }
    return ORBALIS_INSTALLED_DATA_DIR;
}

std::string builtInThesaurusPath() {
    return dataDirectory() + "/donnees.dat";
}
std::string lexiconPath() {
    return dataDirectory() + "/lexique.dat";
}

}  // namespace orbalis
