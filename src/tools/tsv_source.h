// Readable sources of the data files: UTF-8 text, one record per line, fields separated by
// TAB, a header line naming the columns. The data files are generated from them.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orbalis {

struct SourceRow {
    std::size_t line;                 // 1-based line number in the source
    std::vector<std::string> fields;  // Windows-1252
};

// Parses `utf8` read from `path`: the first line must be exactly the column names joined by TAB;
// every other non-empty line must have one field per column, each within its width in
// Windows-1252 characters and made only of characters Windows-1252 can hold. Throws FileError
// naming the path and the line of the first fault.
std::vector<SourceRow> parseSource(const std::string &path, std::string_view utf8,
                                   std::span<const std::string_view> columns,
                                   std::span<const std::size_t> widths);

}  // namespace orbalis
