#include "tools/tsv_source.h"

#include "records/file_error.h"
#include "text/encoding.h"

namespace orbalis {

namespace {

std::vector<std::string_view> split(std::string_view line, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = line.find(separator);
        parts.push_back(line.substr(0, at));
        if (at == std::string_view::npos) return parts;
        line.remove_prefix(at + 1);
    }
}

}  // namespace

std::vector<SourceRow> parseSource(const std::string &path, std::string_view utf8,
                                   std::span<const std::string_view> columns,
                                   std::span<const std::size_t> widths) {
    if (!isValidUtf8(utf8)) throw FileError(path, FileFailure::SourceData).withDetail("not valid UTF-8 text");
    std::string header;
    for (const auto column : columns) {
        if (!header.empty()) header += '\t';
        header.append(column);
    }

    std::vector<SourceRow> rows;
    std::size_t lineNumber = 0;
    for (std::string_view line : split(utf8, '\n')) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        auto fault = [&](const std::string &what) {
            return FileError(path, FileFailure::SourceData)
                .withDetail("line " + std::to_string(lineNumber) + ": " + what);
        };
        if (lineNumber == 1) {
            if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
            if (line != header) throw fault("the header must be: " + header);
            continue;
        }
        if (line.empty()) continue;
        const auto parts = split(line, '\t');
        if (parts.size() != columns.size())
            throw fault(std::to_string(parts.size()) + " fields instead of " +
                        std::to_string(columns.size()));
        SourceRow row{lineNumber, {}};
        for (std::size_t i = 0; i < parts.size(); ++i) {
            std::string text = utf8ToCp1252(parts[i], '\0');
            if (text.find('\0') != std::string::npos)
                throw fault(std::string(columns[i]) + " holds a character that Windows-1252 cannot store");
            if (text.size() > widths[i])
                throw fault(std::string(columns[i]) + " is longer than " + std::to_string(widths[i]) +
                            " characters");
            row.fields.push_back(std::move(text));
        }
        rows.push_back(std::move(row));
    }
    if (lineNumber == 0 || (lineNumber == 1 && utf8.empty()))
        throw FileError(path, FileFailure::SourceData).withDetail("no header line");
    return rows;
}

}  // namespace orbalis
