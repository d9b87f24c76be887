// The analysis record: one grid row of a saved analysis, 218 bytes. The first 206 bytes are laid
// out as in a thesaurus record; the not-found indicator and a reserved field follow.
// Layout in docs/formats.md.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "records/thesaurus_record.h"

namespace orbalis {

namespace analysis_format {
inline constexpr std::size_t kRecordLength = 218;
inline constexpr std::size_t kIndicatorOffset = 206, kIndicatorWidth = 2;
inline constexpr std::size_t kReservedOffset = 208, kReservedWidth = 10;
}  // namespace analysis_format

struct AnalysisRecord {
    AnalysisFields fields;
    std::string indicator;  // "*" for a form the thesaurus does not know
};

// `bytes` must hold exactly analysis_format::kRecordLength bytes. RecordNo and Reserved carry
// nothing and are not decoded.
AnalysisRecord decodeAnalysisRecord(std::string_view bytes);
// RecordNo is written as 0 and Reserved as spaces.
std::string encodeAnalysisRecord(const AnalysisRecord &record);

}  // namespace orbalis
