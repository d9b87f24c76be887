#include "records/data_paths.h"

#include <cstdlib>
#include <string_view>

#include "records/file_error.h"
#include "records/file_system.h"
#include "records/lexicon_record.h"
#include "records/record_file.h"
#include "records/thesaurus_record.h"

namespace orbalis {

namespace {

std::string parentFolder(const std::string &path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::optional<std::int64_t> recordCount(const std::string &path, std::size_t recordLength) {
    try {
        return RecordFile(path, recordLength, Access::Read, WhenMissing::Fail).count();
    } catch (const FileError &) {
        return std::nullopt;
    }
}

bool isInside(std::string_view path, std::string_view folder) {
    return path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/';
}

}  // namespace

std::string dataDirectory() {
    if (const char *fromEnvironment = std::getenv("ORBALIS_DATA_DIR"); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    const std::string executable = runningExecutablePath();
    // A program run from its build tree uses the data of the sources it was built from; an
    // installed one never does, even where those sources are still on the machine.
    if (isInside(executable, ORBALIS_BUILD_DIR) && fileKind(ORBALIS_SOURCE_DATA_DIR) == FileKind::Folder)
        return ORBALIS_SOURCE_DATA_DIR;
    // An installed program finds its data under its own prefix, wherever that prefix is.
    if (!executable.empty()) {
        const std::string shared = parentFolder(parentFolder(executable)) + "/share/orbalis";
        if (fileKind(shared) == FileKind::Folder) return shared;
    }
    return ORBALIS_INSTALLED_DATA_DIR;
}

std::string builtInThesaurusPath() {
    return dataDirectory() + "/donnees.dat";
}
std::string lexiconPath() {
    return dataDirectory() + "/lexique.dat";
}
std::string namesPath() {
    return dataDirectory() + "/nomi.dat";
}

DataDirectoryContents dataDirectoryContents(const std::string &thesaurusPath,
                                            const std::string &lexiconPath) {
    return {recordCount(thesaurusPath, thesaurus_format::kRecordLength),
            recordCount(lexiconPath, lexicon_format::kRecordLength)};
}

}  // namespace orbalis
