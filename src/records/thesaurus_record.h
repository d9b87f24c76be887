// The thesaurus record: one analysis of one word form, 216 bytes. Layout in docs/formats.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbalis {

namespace thesaurus_format {
inline constexpr std::size_t kRecordLength = 216;
inline constexpr std::size_t kRecordNoOffset = 0;  // 16-bit signed, little-endian
inline constexpr std::size_t kFormOffset = 2, kFormWidth = 30;
inline constexpr std::size_t kCategoryOffset = 32, kCategoryWidth = 7;
inline constexpr std::size_t kLemmaOffset = 39, kLemmaWidth = 50;
inline constexpr std::size_t kCaseGenderNumberOffset = 89, kCaseGenderNumberWidth = 15;
inline constexpr std::size_t kMoodTenseVoiceOffset = 104, kMoodTenseVoiceWidth = 22;
inline constexpr std::size_t kTranslationOffset = 126, kTranslationWidth = 80;
inline constexpr std::size_t kReservedOffset = 206, kReservedWidth = 10;
// RecordNo is 16 bits wide: no thesaurus holds more records than this.
inline constexpr std::int64_t kMaxRecords = 32767;
}  // namespace thesaurus_format

// The six analysis texts of a record or a grid row, as Windows-1252 bytes.
struct AnalysisFields {
    std::string form;
    std::string lemma;
    std::string translation;
    std::string category;
    std::string caseGenderNumber;
    std::string moodTenseVoice;

    bool operator==(const AnalysisFields &) const = default;
};

// A decoded record. Text fields hold the stored bytes, padding included; encoding cuts or
// pads each value to its field's width.
struct ThesaurusRecord {
    std::int16_t recordNo = 0;
    AnalysisFields fields;
    std::string reserved = std::string(thesaurus_format::kReservedWidth, ' ');
};

// `bytes` must hold exactly thesaurus_format::kRecordLength bytes.
ThesaurusRecord decodeThesaurusRecord(std::string_view bytes);
std::string encodeThesaurusRecord(const ThesaurusRecord &record);

// Writes the six text fields shared by thesaurus and analysis records into `out`.
void putAnalysisFields(char *out, const AnalysisFields &fields);
AnalysisFields getAnalysisFields(const char *in);

}  // namespace orbalis
