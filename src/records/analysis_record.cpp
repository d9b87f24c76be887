#include "records/analysis_record.h"

#include <cassert>

#include "records/fixed_text.h"

namespace orbalis {

using namespace analysis_format;

AnalysisRecord decodeAnalysisRecord(std::string_view bytes) {
    assert(bytes.size() == kRecordLength);
    AnalysisRecord record;
    record.fields = getAnalysisFields(bytes.data());
    record.indicator = getField(bytes.data() + kIndicatorOffset, kIndicatorWidth);
    return record;
}

std::string encodeAnalysisRecord(const AnalysisRecord &record) {
    std::string bytes(kRecordLength, ' ');
    putInt16(bytes.data() + thesaurus_format::kRecordNoOffset, 0);
    putAnalysisFields(bytes.data(), record.fields);
    putField(bytes.data() + kIndicatorOffset, record.indicator, kIndicatorWidth);
    return bytes;
}

}  // namespace orbalis
