#include "records/thesaurus_record.h"

#include <cassert>

#include "records/fixed_text.h"

namespace orbalis {

using namespace thesaurus_format;

void putAnalysisFields(char *out, const AnalysisFields &fields) {
    putField(out + kFormOffset, fields.form, kFormWidth);
    putField(out + kCategoryOffset, fields.category, kCategoryWidth);
    putField(out + kLemmaOffset, fields.lemma, kLemmaWidth);
    putField(out + kCaseGenderNumberOffset, fields.caseGenderNumber, kCaseGenderNumberWidth);
    putField(out + kMoodTenseVoiceOffset, fields.moodTenseVoice, kMoodTenseVoiceWidth);
    putField(out + kTranslationOffset, fields.translation, kTranslationWidth);
}

AnalysisFields getAnalysisFields(const char *in) {
    AnalysisFields fields;
    fields.form = getField(in + kFormOffset, kFormWidth);
    fields.category = getField(in + kCategoryOffset, kCategoryWidth);
    fields.lemma = getField(in + kLemmaOffset, kLemmaWidth);
    fields.caseGenderNumber = getField(in + kCaseGenderNumberOffset, kCaseGenderNumberWidth);
    fields.moodTenseVoice = getField(in + kMoodTenseVoiceOffset, kMoodTenseVoiceWidth);
    fields.translation = getField(in + kTranslationOffset, kTranslationWidth);
    return fields;
}

ThesaurusRecord decodeThesaurusRecord(std::string_view bytes) {
    assert(bytes.size() == kRecordLength);
    ThesaurusRecord record;
    record.recordNo = getInt16(bytes.data() + kRecordNoOffset);
    record.fields = getAnalysisFields(bytes.data());
    record.reserved = getField(bytes.data() + kReservedOffset, kReservedWidth);
    return record;
}

std::string encodeThesaurusRecord(const ThesaurusRecord &record) {
    std::string bytes(kRecordLength, ' ');
    putInt16(bytes.data() + kRecordNoOffset, record.recordNo);
    putAnalysisFields(bytes.data(), record.fields);
    putField(bytes.data() + kReservedOffset, record.reserved, kReservedWidth);
    return bytes;
}

}  // namespace orbalis
