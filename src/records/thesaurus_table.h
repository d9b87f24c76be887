// A thesaurus read into memory: one entry per record, in file order, never sorted. The analysis
// workspaces look forms up in it and the browsers list it. Also the record-level operations on
// thesaurus files: counting, reading and writing by number, appending one analysis.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "records/record_file.h"
#include "records/thesaurus_record.h"

namespace orbalis {

// Fills the two entries that stand for an empty thesaurus file in a workspace's table.
inline constexpr std::string_view kSentinelText = "zzzzzzz";

// One record's texts. The views point into storage owned by the table.
struct ThesaurusEntry {
    std::string_view form;  // trailing spaces removed
    std::string_view lemma;
    std::string_view translation;
    std::string_view category;
    std::string_view caseGenderNumber;
    std::string_view moodTenseVoice;
    std::int32_t recordNo = 0;  // RecordNo as stored
    // Stands in for an empty file; exists only in memory and matches no form.
    bool sentinel = false;
};

// Which columns lose their trailing spaces when a record becomes an entry: the form only (the
// other columns keep their field width), or every column.
enum class EntryTrim { FormOnly, AllColumns };

class ThesaurusTable {
public:
    ThesaurusTable() = default;
    ThesaurusTable(ThesaurusTable &&) = default;
    ThesaurusTable &operator=(ThesaurusTable &&) = default;
    ThesaurusTable(const ThesaurusTable &) = delete;
    ThesaurusTable &operator=(const ThesaurusTable &) = delete;

    // Builds the entries of `wholeRecords` (records back to back, as read from a file).
    static ThesaurusTable fromRecords(std::string wholeRecords, EntryTrim trim);

    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    const ThesaurusEntry &operator[](std::size_t i) const { return m_entries[i]; }
    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

    // Appends an entry holding copies of the record's texts (form trimmed as `trim` says).
    void append(const ThesaurusRecord &record, EntryTrim trim);
    void appendSentinels();

private:
    std::string_view keep(std::string text);

    // Each block is allocated on its own, so the entries' views survive moves of the table.
    std::vector<std::unique_ptr<std::string>> m_storage;
    std::vector<ThesaurusEntry> m_entries;
};

// The decimal text of an entry's record number ("17", "-1").
std::string recordNoText(const ThesaurusEntry &entry);

std::int64_t countThesaurusRecords(const std::string &path);
ThesaurusRecord readThesaurusRecord(const std::string &path, std::int64_t n);
void writeThesaurusRecord(const std::string &path, std::int64_t n, const ThesaurusRecord &record);

// The workspace's table: every whole record, form trimmed; for an empty file (0 bytes) the two
// sentinel entries instead. A missing file is created empty (or, with
// WhenMissing::CreateOrReadEmpty, read as empty when it cannot be created).
ThesaurusTable loadWorkspaceTable(const std::string &path, WhenMissing whenMissing = WhenMissing::Create);

// The browsers' table: every whole record, never sentinel entries.
ThesaurusTable loadThesaurusTable(const std::string &path, EntryTrim trim = EntryTrim::FormOnly,
                                  WhenMissing whenMissing = WhenMissing::Create);

// Appends one analysis after the last whole record of a user thesaurus and returns the record
// written. An empty lemma, translation, category or descriptor is stored as "_"; the form is
// stored as given. RecordNo is the record's position; bytes of a trailing partial record are
// overwritten. Throws FileError when the thesaurus already holds the most records it can.
ThesaurusRecord appendThesaurusRecord(const std::string &path, const AnalysisFields &fields);

}  // namespace orbalis
