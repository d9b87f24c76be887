#include "analysis/analysis_file.h"

#include "analysis/analysis_grid.h"
#include "analysis/proposals.h"
#include "records/analysis_record.h"
#include "records/file_error.h"
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

SaveResult saveAnalysisFile(const Grid &grid, Prompter &prompter) {
    const SaveResult saved =
        saveAs(prompter, kDatFilter, {"Schedario esistente", " esistente.\r\nVuoi cancellare?"},
               [&](const std::string &path, Publish publish) { writeAnalysisFile(path, grid, publish); });
    if (saved.outcome == SaveOutcome::Saved) prompter.inform("", "Il salvataggio e' concluso.", Icon::None);
    return saved;
}

namespace {

// The text fields of an analysis record (form to indicator) hold printable Windows-1252 bytes and
// spaces only: a control byte there means the file holds something else (a thesaurus's record
// numbers, a lexicon's, any binary file). RecordNo and Reserved are not looked at.
bool holdsOnlyText(std::string_view record) {
    for (std::size_t i = thesaurus_format::kFormOffset;
         i < analysis_format::kIndicatorOffset + analysis_format::kIndicatorWidth; ++i) {
        const auto byte = static_cast<unsigned char>(record[i]);
        if (byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}

}  // namespace

void loadAnalysisFile(const std::string &path, Grid &grid, WhenMissing whenMissing) {
    const RecordFile file(path, analysis_format::kRecordLength, Access::Read, whenMissing);
    const std::uint64_t size = file.sizeInBytes();
    if (size % analysis_format::kRecordLength != 0)
        throw FileError(path, FileFailure::AnalysisSize).withNumber(size);
    const std::int64_t count = file.count();
    const std::string bytes = file.readWholeRecords();
    for (std::int64_t r = 1; r <= count; ++r) {
        const auto record = std::string_view(bytes).substr(
            static_cast<std::size_t>(r - 1) * analysis_format::kRecordLength, analysis_format::kRecordLength);
        if (!holdsOnlyText(record))
            throw FileError(path, FileFailure::AnalysisBytes).withNumber(static_cast<std::uint64_t>(r));
    }
    setUpGridHeader(grid, GridHeader::Reopened);
    grid.setRowCount(1 + static_cast<std::size_t>(count));
    for (std::int64_t r = 1; r <= count; ++r) {
        const auto row = static_cast<std::size_t>(r);
        const auto record = decodeAnalysisRecord(std::string_view(bytes).substr(
            (row - 1) * analysis_format::kRecordLength, analysis_format::kRecordLength));
        setRowTexts(grid, row, record.fields);
        grid.setBold(row, kForm, true);
        grid.setColour(row, kForm, TextColour::DarkBlue);
        grid.setText(row, kIndicator, record.indicator);
        // A saved proposal is shown as a proposal again.
        if (isProposalRow(grid, row))
            for (std::size_t column = kLemma; column < kCount; ++column)
                grid.setColour(row, column, kProposalColour);
    }
}

}  // namespace orbalis
