// The record loaders on any file: the bytes are written to a file and read through the file
// layer as a thesaurus (workspace and browser tables), an analysis file and a lexicon. A loader
// may refuse a file with a FileError; anything else (a crash, another exception) is a fault.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "analysis/analysis_file.h"
#include "analysis/analysis_grid.h"
#include "lexicon/lexicon.h"
#include "print/grid_report.h"
#include "records/file_error.h"
#include "records/thesaurus_table.h"

using namespace orbalis;

namespace {

const std::string &scratchPath() {
    static const std::string path = "/tmp/orbalis-fuzz-records-" + std::to_string(::getpid()) + ".dat";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string &path = scratchPath();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    try {
        const ThesaurusTable workspace = loadWorkspaceTable(path, WhenMissing::Fail);
        if (size >= 216 && workspace.size() != size / 216) std::abort();
        for (const ThesaurusEntry &entry : workspace)
            if (entry.form().size() > 30 || recordNoText(entry).empty()) std::abort();
        const ThesaurusTable browser = loadThesaurusTable(path, EntryTrim::AllColumns, WhenMissing::Fail);
        if (browser.size() != size / 216) std::abort();

        Grid grid = makeAnalysisGrid();
        loadAnalysisFile(path, grid, WhenMissing::Fail);
        if (grid.rowCount() < 1 + size / 218) std::abort();
        printGridReport(grid, analysisReportLabels(), workspaceReportLastRow(grid));

        const auto lexicon = loadLexicon(path, WhenMissing::Fail);
        if (lexicon.has_value() != (size > 0) || (lexicon && lexicon->size() != size / 323)) std::abort();
    } catch (const FileError &) {
    }
    return 0;
}
