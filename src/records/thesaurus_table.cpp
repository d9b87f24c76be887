#include "records/thesaurus_table.h"

#include <algorithm>

#include "records/file_error.h"
#include "records/fixed_text.h"

namespace orbalis {

using namespace thesaurus_format;

ThesaurusEntry::ThesaurusEntry(const char *record, EntryTrim trim, bool sentinel)
    : m_record(record),
      m_formLength(
          static_cast<std::uint8_t>(trimRight(std::string_view(record + kFormOffset, kFormWidth)).size())),
      m_trimAll(trim == EntryTrim::AllColumns),
      m_sentinel(sentinel) {}

std::string_view ThesaurusEntry::column(std::size_t offset, std::size_t width) const {
    const std::string_view text(m_record + offset, width);
    return m_trimAll ? trimRight(text) : text;
}

std::int32_t ThesaurusEntry::recordNo() const {
    return getInt16(m_record + kRecordNoOffset);
}

char *ThesaurusTable::allocate(std::size_t bytes) {
    m_storage.push_back(std::make_unique_for_overwrite<char[]>(bytes));
    return m_storage.back().get();
}

void ThesaurusTable::addEntries(const char *records, std::size_t count, EntryTrim trim) {
    m_entries.reserve(m_entries.size() + count);
    for (std::size_t i = 0; i < count; ++i)
        m_entries.push_back(ThesaurusEntry(records + i * kRecordLength, trim, false));
}

ThesaurusTable ThesaurusTable::fromFile(const RecordFile &file, EntryTrim trim) {
    ThesaurusTable table;
    const auto count = static_cast<std::size_t>(file.count());
    char *records = table.allocate(count * kRecordLength);
    file.readWholeRecordsInto(records, count);
    table.addEntries(records, count, trim);
    return table;
}

ThesaurusTable ThesaurusTable::fromRecords(std::string_view wholeRecords, EntryTrim trim) {
    ThesaurusTable table;
    const std::size_t count = wholeRecords.size() / kRecordLength;
    char *records = table.allocate(count * kRecordLength);
    std::copy_n(wholeRecords.data(), count * kRecordLength, records);
    table.addEntries(records, count, trim);
    return table;
}

void ThesaurusTable::append(const ThesaurusRecord &record, EntryTrim trim) {
    const std::string bytes = encodeThesaurusRecord(record);
    char *copy = allocate(kRecordLength);
    std::copy_n(bytes.data(), kRecordLength, copy);
    m_entries.push_back(ThesaurusEntry(copy, trim, false));
}

void ThesaurusTable::appendSentinels() {
    for (const std::int16_t recordNo : {1, 2}) {
        ThesaurusRecord record;
        record.recordNo = recordNo;
        const std::string text(kSentinelText);
        record.fields = {text, text, text, text, text, text};
        const std::string bytes = encodeThesaurusRecord(record);
        char *copy = allocate(kRecordLength);
        std::copy_n(bytes.data(), kRecordLength, copy);
        m_entries.push_back(ThesaurusEntry(copy, EntryTrim::AllColumns, true));
    }
}

std::string recordNoText(const ThesaurusEntry &entry) {
    return std::to_string(entry.recordNo());
}

std::int64_t countThesaurusRecords(const std::string &path) {
    return RecordFile(path, kRecordLength, Access::Read).count();
}

ThesaurusRecord readThesaurusRecord(const std::string &path, std::int64_t n) {
    return decodeThesaurusRecord(RecordFile(path, kRecordLength, Access::Read).read(n));
}

void writeThesaurusRecord(const std::string &path, std::int64_t n, const ThesaurusRecord &record) {
    // A record is rewritten in place: a thesaurus that has gone is not made again around it.
    RecordFile(path, kRecordLength, Access::ReadWrite, WhenMissing::Fail)
        .write(n, encodeThesaurusRecord(record));
}

ThesaurusTable loadWorkspaceTable(const std::string &path, WhenMissing whenMissing) {
    const RecordFile file(path, kRecordLength, Access::Read, whenMissing);
    if (file.sizeInBytes() == 0) {
        ThesaurusTable table;
        table.appendSentinels();
        return table;
    }
    return ThesaurusTable::fromFile(file, EntryTrim::FormOnly);
}

ThesaurusTable loadThesaurusTable(const std::string &path, EntryTrim trim, WhenMissing whenMissing) {
    const RecordFile file(path, kRecordLength, Access::Read, whenMissing);
    return ThesaurusTable::fromFile(file, trim);
}

ThesaurusRecord appendThesaurusRecord(const std::string &path, const AnalysisFields &fields) {
    // A thesaurus that has gone since it was chosen is not made again holding only this record.
    RecordFile file(path, kRecordLength, Access::ReadWrite, WhenMissing::Fail);
    const std::int64_t recordNo = file.count() + 1;
    if (recordNo > kMaxRecords) throw FileError(path, FileFailure::ThesaurusFull).withLimit(kMaxRecords);
    auto orUnderscore = [](const std::string &text) { return text.empty() ? std::string("_") : text; };
    ThesaurusRecord record;
    record.recordNo = static_cast<std::int16_t>(recordNo);
    record.fields.form = fields.form;
    record.fields.lemma = orUnderscore(fields.lemma);
    record.fields.translation = orUnderscore(fields.translation);
    record.fields.category = orUnderscore(fields.category);
    record.fields.caseGenderNumber = orUnderscore(fields.caseGenderNumber);
    record.fields.moodTenseVoice = orUnderscore(fields.moodTenseVoice);
    file.write(recordNo, encodeThesaurusRecord(record));
    // The record as stored: every field at its width.
    return decodeThesaurusRecord(encodeThesaurusRecord(record));
}

}  // namespace orbalis
