#include "print/csv_export.h"

#include "records/file_system.h"
#include "records/fixed_text.h"
#include "text/encoding.h"

namespace orbalis {

namespace {

std::string_view trimmed(std::string_view cell) {
    cell = trimRight(cell);
    while (!cell.empty() && cell.front() == ' ') cell.remove_prefix(1);
    return cell;
}

void appendField(std::string &out, std::string_view cp1252) {
    const bool quote = cp1252.find_first_of(",\"\r\n") != std::string_view::npos;
    if (!quote) {
        appendCp1252AsUtf8(out, cp1252);
        return;
    }
    out += '"';
    for (std::size_t start = 0;;) {
        const std::size_t q = cp1252.find('"', start);
        appendCp1252AsUtf8(out, cp1252.substr(start, q == std::string_view::npos ? q : q - start + 1));
        if (q == std::string_view::npos) break;
        out += '"';
        start = q + 1;
    }
    out += '"';
}

void appendRecord(std::string &out, const Grid &grid, std::size_t row, std::size_t columns) {
    for (std::size_t column = 0; column < columns; ++column) {
        if (column > 0) out += ',';
        appendField(out, trimmed(grid.text(row, column)));
    }
    out += "\r\n";
}

}  // namespace

std::size_t csvColumnCount(ReportKind kind) {
    return reportLabels(kind).size();
}

std::string csvStart(const Grid &grid, ReportKind kind) {
    std::string out(kUtf8ByteOrderMark);
    appendRecord(out, grid, 0, csvColumnCount(kind));
    return out;
}

void appendCsvRows(std::string &out, const Grid &grid, std::size_t firstRow, std::size_t endRow,
                   ReportKind kind) {
    const std::size_t columns = csvColumnCount(kind);
    for (std::size_t row = firstRow; row < endRow; ++row) appendRecord(out, grid, row, columns);
}

std::string gridCsv(const Grid &grid, ReportKind kind) {
    std::string out = csvStart(grid, kind);
    appendCsvRows(out, grid, 1, reportLastRow(grid, kind) + 1, kind);
    return out;
}

void writeGridCsv(const std::string &path, const Grid &grid, ReportKind kind, Publish publish) {
    AtomicFileWriter file(path, publish);
    file.append(gridCsv(grid, kind));
    file.commit();
}

SaveOutcome exportGridCsv(const Grid &grid, ReportKind kind, Prompter &prompter) {
    const SaveResult saved =
        saveAs(prompter, kCsvFilter, {"Schedario esistente", " esistente.\r\nVuoi cancellare?"},
               [&](const std::string &path, Publish publish) { writeGridCsv(path, grid, kind, publish); });
    if (saved.outcome == SaveOutcome::Saved) prompter.inform("", "L'esportazione e' conclusa.", Icon::None);
    return saved.outcome;
}

}  // namespace orbalis
