#include "records/lexicon_record.h"

#include <cassert>

#include "records/fixed_text.h"

namespace orbalis {

using namespace lexicon_format;

LexiconRecord decodeLexiconRecord(std::string_view bytes) {
    assert(bytes.size() == kRecordLength);
    const char *in = bytes.data();
    LexiconRecord record;
    record.recordNo = getInt16(in + kRecordNoOffset);
    record.lemma = getField(in + kLemmaOffset, kLemmaWidth);
    record.category = getField(in + kCategoryOffset, kCategoryWidth);
    record.translation = getField(in + kTranslationOffset, kTranslationWidth);
    record.frenchDerivatives = getField(in + kFrenchDerivativesOffset, kFrenchDerivativesWidth);
    record.latinDerivatives = getField(in + kLatinDerivativesOffset, kLatinDerivativesWidth);
    return record;
}

std::string encodeLexiconRecord(const LexiconRecord &record) {
    std::string bytes(kRecordLength, ' ');
    char *out = bytes.data();
    putInt16(out + kRecordNoOffset, record.recordNo);
    putField(out + kLemmaOffset, record.lemma, kLemmaWidth);
    putField(out + kCategoryOffset, record.category, kCategoryWidth);
    putField(out + kTranslationOffset, record.translation, kTranslationWidth);
    putField(out + kFrenchDerivativesOffset, record.frenchDerivatives, kFrenchDerivativesWidth);
    putField(out + kLatinDerivativesOffset, record.latinDerivatives, kLatinDerivativesWidth);
    return bytes;
}

}  // namespace orbalis
