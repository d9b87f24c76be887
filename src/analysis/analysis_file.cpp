#include "analysis/analysis_file.h"

#include <cmath>

#include "analysis/analysis_grid.h"
#include "records/analysis_record.h"
#include "records/file_system.h"
#include "records/record_file.h"

namespace orbalis {

using namespace analysis_columns;

void writeAnalysisFile(const std::string &path, const Grid &grid, Publish publish) {
    AtomicFileWriter file(path, publish);
    appendAnalysisRecords(file, grid, 1, grid.rowCount());
    file.commit();
}

void appendAnalysisRecords(AtomicFileWriter &file, const Grid &grid, std::size_t firstRow,
                           std::size_t endRow) {
    for (std::size_t row = firstRow; row < endRow; ++row) {
        AnalysisRecord record;
        record.fields = rowTexts(grid, row);
        record.indicator = grid.text(row, kIndicator);
        file.append(encodeAnalysisRecord(record));
    }
}

SaveOutcome saveAnalysisFile(const Grid &grid, Prompter &prompter) {
    const SaveResult saved =
        saveAs(prompter, kDatFilter, {"Schedario esistente", " esistente.\r\nVuoi cancellare?"},
               [&](const std::string &path, Publish publish) { writeAnalysisFile(path, grid, publish); });
    if (saved.outcome == SaveOutcome::Saved) prompter.inform("", "Il salvataggio e' concluso.", Icon::None);
    return saved.outcome;
}

void loadAnalysisFile(const std::string &path, Grid &grid, WhenMissing whenMissing) {
    const RecordFile file(path, analysis_format::kRecordLength, Access::Read, whenMissing);
    const std::int64_t count = file.count();
    const double exact = static_cast<double>(file.sizeInBytes()) / analysis_format::kRecordLength;
    const auto rows = static_cast<std::size_t>(std::nearbyint(exact));  // halves to even
    setUpGridHeader(grid, GridHeader::Reopened);
    grid.setRowCount(1 + rows);
    const std::string bytes = file.readWholeRecords();
    for (std::int64_t r = 1; r <= count; ++r) {
        const auto row = static_cast<std::size_t>(r);
        const auto record = decodeAnalysisRecord(std::string_view(bytes).substr(
            (row - 1) * analysis_format::kRecordLength, analysis_format::kRecordLength));
        setRowTexts(grid, row, record.fields);
        grid.setBold(row, kForm, true);
        grid.setColour(row, kForm, TextColour::DarkBlue);
        grid.setText(row, kIndicator, record.indicator);
    }
}

}  // namespace orbalis
