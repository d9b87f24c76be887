#include "tools/data_compiler.h"

#include <algorithm>
#include <string_view>

#include "records/file_error.h"
#include "records/file_system.h"
#include "records/lexicon_record.h"
#include "records/thesaurus_record.h"
#include "text/encoding.h"
#include "tools/tsv_source.h"

namespace orbalis {

namespace {

void refuseTooMany(const std::string &path, std::size_t count) {
    if (count > static_cast<std::size_t>(thesaurus_format::kMaxRecords))
        throw FileError(path, FileFailure::SourceData)
            .withDetail("more than " + std::to_string(thesaurus_format::kMaxRecords) + " records");
}

// Sorts the records stably by the lower-cased key, numbers them from 1 (unless `numbered` is
// false: then 0) and writes them.
template <typename Record>
std::size_t writeSorted(std::vector<Record> records, const std::string &outputPath, auto key, auto encode,
                        bool numbered = true) {
    std::stable_sort(records.begin(), records.end(), [&](const Record &a, const Record &b) {
        return lowerCp1252(key(a)) < lowerCp1252(key(b));
    });
    AtomicFileWriter out(outputPath);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].recordNo = numbered ? static_cast<std::int16_t>(i + 1) : std::int16_t{0};
        out.append(encode(records[i]));
    }
    out.commit();
    return records.size();
}

}  // namespace

namespace {

std::size_t compileThesaurusRecords(const std::string &sourcePath, const std::string &outputPath,
                                    bool limited) {
    using namespace thesaurus_format;
    static constexpr std::string_view kColumns[] = {
        "form", "lemma", "translation", "category", "case_gender_number", "mood_tense_voice"};
    static constexpr std::size_t kWidths[] = {
        kFormWidth,          kLemmaWidth, kTranslationWidth, kCategoryWidth, kCaseGenderNumberWidth,
        kMoodTenseVoiceWidth};
    const auto rows = parseSource(sourcePath, readWholeFile(sourcePath), kColumns, kWidths);
    if (limited) refuseTooMany(sourcePath, rows.size());
    std::vector<ThesaurusRecord> records;
    for (const auto &row : rows) {
        ThesaurusRecord record;
        record.fields = {row.fields[0], row.fields[1], row.fields[2],
                         row.fields[3], row.fields[4], row.fields[5]};
        records.push_back(std::move(record));
    }
    return writeSorted(
        std::move(records), outputPath,
        [](const ThesaurusRecord &r) -> const std::string & { return r.fields.form; }, encodeThesaurusRecord,
        limited);
}

}  // namespace

std::size_t compileThesaurus(const std::string &sourcePath, const std::string &outputPath) {
    return compileThesaurusRecords(sourcePath, outputPath, true);
}

std::size_t compileNames(const std::string &sourcePath, const std::string &outputPath) {
    return compileThesaurusRecords(sourcePath, outputPath, false);
}

std::size_t compileLexicon(const std::string &sourcePath, const std::string &outputPath) {
    using namespace lexicon_format;
    static constexpr std::string_view kColumns[] = {"lemma", "category", "translation", "french_derivatives",
                                                    "latin_derivatives"};
    static constexpr std::size_t kWidths[] = {kLemmaWidth, kCategoryWidth, kTranslationWidth,
                                              kFrenchDerivativesWidth, kLatinDerivativesWidth};
    const auto rows = parseSource(sourcePath, readWholeFile(sourcePath), kColumns, kWidths);
    refuseTooMany(sourcePath, rows.size());
    std::vector<LexiconRecord> records;
    for (const auto &row : rows) {
        LexiconRecord record;
        record.lemma = row.fields[0];
        record.category = row.fields[1];
        record.translation = row.fields[2];
        record.frenchDerivatives = row.fields[3];
        record.latinDerivatives = row.fields[4];
        records.push_back(std::move(record));
    }
    return writeSorted(
        std::move(records), outputPath, [](const LexiconRecord &r) -> const std::string & { return r.lemma; },
        encodeLexiconRecord);
}

}  // namespace orbalis
