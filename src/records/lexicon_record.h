// The lexicon record: one lemma with its category, translation and derived words, 323 bytes.
// The lexicon is only ever read. Layout in docs/formats.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbalis {

namespace lexicon_format {
inline constexpr std::size_t kRecordLength = 323;
inline constexpr std::size_t kRecordNoOffset = 0;  // 16-bit signed, little-endian
inline constexpr std::size_t kLemmaOffset = 2, kLemmaWidth = 70;
inline constexpr std::size_t kCategoryOffset = 72, kCategoryWidth = 6;
inline constexpr std::size_t kTranslationOffset = 78, kTranslationWidth = 100;
inline constexpr std::size_t kFrenchDerivativesOffset = 178, kFrenchDerivativesWidth = 70;
inline constexpr std::size_t kLatinDerivativesOffset = 248, kLatinDerivativesWidth = 70;
inline constexpr std::size_t kReservedOffset = 318, kReservedWidth = 5;
}  // namespace lexicon_format

// Text fields hold the stored bytes, padding included.
struct LexiconRecord {
    std::int16_t recordNo = 0;
    std::string lemma;
    std::string category;
    std::string translation;
    std::string frenchDerivatives;
    std::string latinDerivatives;
};

// `bytes` must hold exactly lexicon_format::kRecordLength bytes.
LexiconRecord decodeLexiconRecord(std::string_view bytes);
// Reserved is written as spaces.
std::string encodeLexiconRecord(const LexiconRecord &record);

}  // namespace orbalis
