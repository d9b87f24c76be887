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
SaveOutcome saveAnalysisFile(const Grid &grid, Prompter &prompter);

// Fills `grid` from the analysis file at `path` (a missing file is created empty, unless
// `whenMissing` says otherwise): header row
// set up for a re-opened analysis, then one row per whole record, form cells bold dark blue.
// A file that ends in a partial record gets as many rows as its size over the record length
// rounded to the nearest whole number (halves to even), so an empty row may follow the records.
void loadAnalysisFile(const std::string &path, Grid &grid, WhenMissing whenMissing = WhenMissing::Create);

}  // namespace orbalis
