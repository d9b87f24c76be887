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

// Which columns lose their trailing spaces when a record becomes an entry: the form only (the
// other columns keep their field width), or every column.
enum class EntryTrim { FormOnly, AllColumns };

// One record's texts, read from the record's bytes, which the table owns. Columns other than
// the form keep their padding unless the table was loaded with EntryTrim::AllColumns.
class ThesaurusEntry {
public:
    std::string_view form() const { return {m_record + thesaurus_format::kFormOffset, m_formLength}; }
    std::string_view lemma() const {
        return column(thesaurus_format::kLemmaOffset, thesaurus_format::kLemmaWidth);
    }
    std::string_view translation() const {
        return column(thesaurus_format::kTranslationOffset, thesaurus_format::kTranslationWidth);
    }
    std::string_view category() const {
        return column(thesaurus_format::kCategoryOffset, thesaurus_format::kCategoryWidth);
    }
    std::string_view caseGenderNumber() const {
        return column(thesaurus_format::kCaseGenderNumberOffset, thesaurus_format::kCaseGenderNumberWidth);
    }
    std::string_view moodTenseVoice() const {
        return column(thesaurus_format::kMoodTenseVoiceOffset, thesaurus_format::kMoodTenseVoiceWidth);
    }
    std::int32_t recordNo() const;  // RecordNo as stored
    // Stands in for an empty file; exists only in memory and matches no form.
    bool sentinel() const { return m_sentinel; }

private:
    friend class ThesaurusTable;
    ThesaurusEntry(const char *record, EntryTrim trim, bool sentinel);
    std::string_view column(std::size_t offset, std::size_t width) const;

    const char *m_record;
    std::uint8_t m_formLength;
    bool m_trimAll;
    bool m_sentinel;
};

class ThesaurusTable {
public:
    ThesaurusTable() = default;
    ThesaurusTable(ThesaurusTable &&) = default;
    ThesaurusTable &operator=(ThesaurusTable &&) = default;
    ThesaurusTable(const ThesaurusTable &) = delete;
    ThesaurusTable &operator=(const ThesaurusTable &) = delete;

    // Every whole record of `file`, read in one go.
    static ThesaurusTable fromFile(const RecordFile &file, EntryTrim trim);
    // The entries of `wholeRecords` (records back to back), copied.
    static ThesaurusTable fromRecords(std::string_view wholeRecords, EntryTrim trim);

    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    const ThesaurusEntry &operator[](std::size_t i) const { return m_entries[i]; }
    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

    // Appends an entry holding a copy of the record (form trimmed as `trim` says).
    void append(const ThesaurusRecord &record, EntryTrim trim);
    void appendSentinels();

private:
    char *allocate(std::size_t bytes);
    void addEntries(const char *records, std::size_t count, EntryTrim trim);

    // Each block is allocated on its own, so the entries' pointers survive moves of the table.
    std::vector<std::unique_ptr<char[]>> m_storage;
    std::vector<ThesaurusEntry> m_entries;
};

// The decimal text of an entry's record number ("17", "-1").
std::string recordNoText(const ThesaurusEntry &entry);

std::int64_t countThesaurusRecords(const std::string &path);
ThesaurusRecord readThesaurusRecord(const std::string &path, std::int64_t n);
// Throws FileError when the file does not exist (it is not created).
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
// overwritten. Throws FileError when the file does not exist (it is not created) and when the
// thesaurus already holds the most records it can.
ThesaurusRecord appendThesaurusRecord(const std::string &path, const AnalysisFields &fields);

}  // namespace orbalis
