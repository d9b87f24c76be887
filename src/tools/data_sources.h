// The inputs and outputs of the built-in data's generation: the word frequency list, the
// analyser's input and reports, the hand-checked records, and the TSV sources written. Every
// fault of an input is a FileError naming the file and the line; every output is saved whole or
// not at all.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "records/thesaurus_record.h"

namespace orbalis::data_build {

// The lines of `text`, without their end (LF or CRLF).
std::vector<std::string_view> splitLines(std::string_view text);
// The fields of `line` between `separator`s (an empty line is one empty field).
std::vector<std::string> splitFields(std::string_view line, char separator);

struct FrequentForm {
    std::string form;  // lower case, letters a-z only
    std::int64_t count = 0;
    std::int64_t capitalised = 0;  // how many of the occurrences were capitalised
};

// The forms of a frequency list read from `path`: a header line "form TAB count[ TAB
// capitalised]", then one form per line. Forms made of other characters than a-z are skipped
// (the analyser cannot read them); a form listed again is counted once, at its first line. A
// missing header, a missing or non-numeric count (also "12abc", "-5"), are FileErrors naming
// the path and the line.
std::vector<FrequentForm> parseFrequencyList(const std::string &path, std::string_view text);

// The analyser's input: every form followed by its marker word, one per line.
std::string analyserInput(const std::vector<FrequentForm> &forms);

// The analyser's reports on analyserInput(), cut at the marker lines: report i is the text
// before marker i. `origin` names the reports in the error when some marker is missing.
std::vector<std::string> splitReports(std::string_view reports, std::size_t count, const std::string &origin);

// A hand-checked or generated thesaurus record, Windows-1252.
struct Record {
    AnalysisFields fields;
    bool hand = false;
    bool italian = true;  // the translation is Italian
};

// The hand-checked thesaurus source (six TAB-separated columns after a header line).
std::vector<Record> parseHandThesaurus(const std::string &path, std::string_view utf8);

// One TSV line, the Windows-1252 fields written as UTF-8.
std::string tsvLine(std::initializer_list<std::string_view> fields);

// Writes `bytes` to `path` through the atomic save: the file is complete or left as it was.
// Throws FileError (a missing folder, a full disk).
void saveText(const std::string &path, std::string_view bytes);

}  // namespace orbalis::data_build
