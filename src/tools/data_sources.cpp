#include "tools/data_sources.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "analyser/analyser_conversion.h"
#include "records/file_error.h"
#include "records/file_system.h"
#include "text/encoding.h"

namespace orbalis::data_build {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

std::vector<std::string> splitFields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find(separator, start);
        fields.emplace_back(
            line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return fields;
}

namespace {

bool plainLetters(std::string_view form) {
    return !form.empty() &&
           std::all_of(form.begin(), form.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

[[noreturn]] void lineFault(const std::string &path, std::size_t line, const std::string &reason) {
    throw FileError(path, FileFailure::SourceData).withDetail("line " + std::to_string(line) + ": " + reason);
}

// A count: digits only, whole field.
std::int64_t parseCount(const std::string &path, std::size_t line, std::string_view field) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || field.front() == '-' || error != std::errc() || end != field.data() + field.size())
        lineFault(path, line, "the count \"" + std::string(field) + "\" is not a whole number of 0 or more");
    return value;
}

}  // namespace

std::vector<FrequentForm> parseFrequencyList(const std::string &path, std::string_view text) {
    const auto lines = splitLines(text);
    if (lines.empty() || !(lines[0] == "form\tcount" || lines[0].starts_with("form\tcount\t")))
        lineFault(path, 1, "the header line \"form<TAB>count<TAB>capitalised\" is missing");
    std::vector<FrequentForm> forms;
    std::set<std::string, std::less<>> seen;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const auto f = splitFields(lines[i], '\t');
        if (f.size() < 2 || f.size() > 3)
            lineFault(path, i + 1, "form, count and capitalised count expected");
        const std::int64_t count = parseCount(path, i + 1, f[1]);
        const std::int64_t capitalised = f.size() > 2 ? parseCount(path, i + 1, f[2]) : 0;
        if (!plainLetters(f[0]) || !seen.insert(f[0]).second) continue;
        forms.push_back({f[0], count, capitalised});
    }
    return forms;
}

std::string analyserInput(const std::vector<FrequentForm> &forms) {
    std::string out;
    for (std::size_t i = 0; i < forms.size(); ++i) out += forms[i].form + " " + analyserMarkerWord(i) + "\n";
    return out + "\n\n";
}

std::vector<std::string> splitReports(std::string_view all, std::size_t count, const std::string &origin) {
    std::vector<std::string> reports(count);
    std::size_t next = 0;
    std::string current;
    for (std::string_view line : splitLines(all)) {
        std::string_view probe = line;
        if (probe.substr(0, 2) == "=>") probe.remove_prefix(2);
        if (next < count && probe.substr(0, 12) == analyserMarkerWord(next)) {
            reports[next++] = std::move(current);
            current.clear();
            continue;
        }
        current += line;
        current += '\n';
    }
    if (next != count)
        throw FileError(origin, FileFailure::SourceData)
            .withDetail("the analyser's reports hold " + std::to_string(next) + " of " +
                        std::to_string(count) + " forms; was the input prepared from the same list?");
    return reports;
}

std::vector<Record> parseHandThesaurus(const std::string &path, std::string_view utf8) {
    std::vector<Record> records;
    const auto lines = splitLines(utf8);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const auto f = splitFields(lines[i], '\t');
        if (f.size() != 6) lineFault(path, i + 1, "six fields expected");
        Record r;
        r.hand = true;
        r.fields = {utf8ToCp1252(f[0], '?'), utf8ToCp1252(f[1], '?'), utf8ToCp1252(f[2], '?'),
                    utf8ToCp1252(f[3], '?'), utf8ToCp1252(f[4], '?'), utf8ToCp1252(f[5], '?')};
        records.push_back(std::move(r));
    }
    return records;
}

std::string tsvLine(std::initializer_list<std::string_view> fields) {
    std::string line;
    bool first = true;
    for (auto f : fields) {
        if (!first) line += '\t';
        appendCp1252AsUtf8(line, f);
        first = false;
    }
    return line + "\n";
}

void saveText(const std::string &path, std::string_view bytes) {
    AtomicFileWriter out(path);
    out.append(bytes);
    out.commit();
}

}  // namespace orbalis::data_build
