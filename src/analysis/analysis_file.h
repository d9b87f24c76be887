// Saving an analysis grid as an analysis file (one record per data row, in row order) and
// reading one back into a grid.
#pragma once

#include <string>
#include <string_view>

#include "analysis/grid.h"
#include "prompts/save_as.h"
#include "records/file_system.h"

namespace orbalis {

// Writes rows 1 to rowCount - 1 of `grid` (empty rows included) to `path`, replacing any file
// there atomically (unless `publish` is CreateNew): a failed write leaves the previous file as it
// was. Throws FileError.
void writeAnalysisFile(const std::string &path, const Grid &grid, Publish publish = Publish::Replace);
// Appends rows firstRow to endRow - 1 of `grid` to `file` as analysis records, so that a grid
// produced in parts can be written part by part.
void appendAnalysisRecords(AtomicFileWriter &file, const Grid &grid, std::size_t firstRow,
                           std::size_t endRow);

// The save command of the workspaces: asks for a file name, asks before replacing an existing
// file ("Schedario esistente"), writes the grid and reports "Il salvataggio e' concluso.".
// Returns the outcome and, once saved, the file written.
SaveResult saveAnalysisFile(const Grid &grid, Prompter &prompter);

// Fills `grid` from the analysis file at `path`: header row set up for a re-opened analysis,
// then one row per record, form cells bold dark blue. An empty file is an empty analysis. A
// missing file is a FileError (nothing is created), unless `whenMissing` says otherwise. A file
// that is not a whole number of records, or whose text fields hold control bytes (below 0x20, or
// 0x7F), is not an analysis: a FileError, and the grid is left as it was.
void loadAnalysisFile(const std::string &path, Grid &grid, WhenMissing whenMissing = WhenMissing::Fail);

}  // namespace orbalis
