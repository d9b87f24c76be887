#include "records/thesaurus_table.h"

#include "records/file_error.h"
#include "records/fixed_text.h"

namespace orbalis {

using namespace thesaurus_format;

namespace {

std::string_view column(std::string_view record, std::size_t offset, std::size_t width, bool trim) {
    const auto text = record.substr(offset, width);
    return trim ? trimRight(text) : text;
}

ThesaurusEntry entryOf(std::string_view record, EntryTrim trim) {
    const bool all = trim == EntryTrim::AllColumns;
    ThesaurusEntry entry;
    entry.recordNo = getInt16(record.data() + kRecordNoOffset);
    entry.form = column(record, kFormOffset, kFormWidth, true);
    entry.lemma = column(record, kLemmaOffset, kLemmaWidth, all);
    entry.translation = column(record, kTranslationOffset, kTranslationWidth, all);
    entry.category = column(record, kCategoryOffset, kCategoryWidth, all);
    entry.caseGenderNumber = column(record, kCaseGenderNumberOffset, kCaseGenderNumberWidth, all);
    entry.moodTenseVoice = column(record, kMoodTenseVoiceOffset, kMoodTenseVoiceWidth, all);
    return entry;
}

}  // namespace

ThesaurusTable ThesaurusTable::fromRecords(std::string wholeRecords, EntryTrim trim) {
    ThesaurusTable table;
    const std::string_view bytes = table.keep(std::move(wholeRecords));
    const std::size_t count = bytes.size() / kRecordLength;
    table.m_entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        table.m_entries.push_back(entryOf(bytes.substr(i * kRecordLength, kRecordLength), trim));
    return table;
}

std::string_view ThesaurusTable::keep(std::string text) {
    m_storage.push_back(std::make_unique<std::string>(std::move(text)));
    return *m_storage.back();
}

void ThesaurusTable::append(const ThesaurusRecord &record, EntryTrim trim) {
    m_entries.push_back(entryOf(keep(encodeThesaurusRecord(record)), trim));
}

void ThesaurusTable::appendSentinels() {
    for (std::int32_t recordNo : {1, 2}) {
        ThesaurusEntry entry;
        entry.form = entry.lemma = entry.translation = entry.category = entry.caseGenderNumber =
            entry.moodTenseVoice = kSentinelText;
        entry.recordNo = recordNo;
        entry.sentinel = true;
        m_entries.push_back(entry);
    }
}

std::string recordNoText(const ThesaurusEntry &entry) {
    return std::to_string(entry.recordNo);
}

std::int64_t countThesaurusRecords(const std::string &path) {
    return RecordFile(path, kRecordLength).count();
}

ThesaurusRecord readThesaurusRecord(const std::string &path, std::int64_t n) {
    return decodeThesaurusRecord(RecordFile(path, kRecordLength).read(n));
}

void writeThesaurusRecord(const std::string &path, std::int64_t n, const ThesaurusRecord &record) {
    RecordFile(path, kRecordLength).write(n, encodeThesaurusRecord(record));
}

ThesaurusTable loadWorkspaceTable(const std::string &path, WhenMissing whenMissing) {
    const RecordFile file(path, kRecordLength, whenMissing);
    if (file.sizeInBytes() == 0) {
        ThesaurusTable table;
        table.appendSentinels();
        return table;
    }
    return ThesaurusTable::fromRecords(file.readWholeRecords(), EntryTrim::FormOnly);
}

ThesaurusTable loadThesaurusTable(const std::string &path, EntryTrim trim, WhenMissing whenMissing) {
    const RecordFile file(path, kRecordLength, whenMissing);
    return ThesaurusTable::fromRecords(file.readWholeRecords(), trim);
}

ThesaurusRecord appendThesaurusRecord(const std::string &path, const AnalysisFields &fields) {
    RecordFile file(path, kRecordLength);
    const std::int64_t recordNo = file.count() + 1;
    if (recordNo > kMaxRecords)
        throw FileError(path, "the thesaurus is full: it already holds " + std::to_string(kMaxRecords) +
                                  " records, the most a thesaurus can hold");
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
