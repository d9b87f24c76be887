// Thesaurus and analysis records on disk: exact bytes, counting by size, the workspace table's
// sentinel rule and appending at the end.
#include <gtest/gtest.h>

#include <filesystem>

#include "records/analysis_record.h"
#include "records/file_error.h"
#include "records/fixed_text.h"
#include "records/thesaurus_table.h"
#include "temp_dir.h"

namespace orbalis {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

ThesaurusRecord recordOf(std::int16_t number, std::string form, std::string lemma = "lemma") {
    ThesaurusRecord record;
    record.recordNo = number;
    record.fields = {std::move(form), std::move(lemma), "traduzione", "N1", "nom. f. sg.", "_"};
    return record;
}

std::string recordsOf(std::initializer_list<const char *> forms) {
    std::string bytes;
    std::int16_t number = 1;
    for (const char *form : forms) bytes += encodeThesaurusRecord(recordOf(number++, form));
    return bytes;
}

TEST(ThesaurusRecord, LayoutPutsEveryFieldAtItsOffset) {
    ThesaurusRecord record = recordOf(3, "g\xe9n");
    record.fields.moodTenseVoice = "adj. verb. fut. ant. pas.";  // 25 characters, cut to 22
    const std::string bytes = encodeThesaurusRecord(record);
    ASSERT_EQ(bytes.size(), 216u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\x03\x00", 2));
    EXPECT_EQ(bytes.substr(2, 30), "g\xe9n" + std::string(27, ' '));
    EXPECT_EQ(bytes.substr(32, 7), "N1     ");
    EXPECT_EQ(bytes.substr(39, 50), "lemma" + std::string(45, ' '));
    EXPECT_EQ(bytes.substr(89, 15), "nom. f. sg.    ");
    EXPECT_EQ(bytes.substr(104, 22), "adj. verb. fut. ant. p");
    EXPECT_EQ(bytes.substr(126, 80), "traduzione" + std::string(70, ' '));
    EXPECT_EQ(bytes.substr(206, 10), std::string(10, ' '));
    EXPECT_EQ(decodeThesaurusRecord(bytes).fields.form, "g\xe9n" + std::string(27, ' '));
}

TEST(AnalysisRecord, IndicatorFollowsTheThesaurusLayout) {
    AnalysisRecord record{{"Roma", "Roma", "Roma", "N1", "nom. f. sg.", "_"}, "*"};
    const std::string bytes = encodeAnalysisRecord(record);
    ASSERT_EQ(bytes.size(), 218u);
    EXPECT_EQ(bytes.substr(0, 2), std::string(2, '\0'));
    EXPECT_EQ(bytes.substr(206, 2), "* ");
    EXPECT_EQ(bytes.substr(208, 10), std::string(10, ' '));
    EXPECT_EQ(decodeAnalysisRecord(bytes).indicator, "* ");
    EXPECT_EQ(decodeAnalysisRecord(bytes).fields.category, "N1     ");
}

class ThesaurusFile : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.path("t.dat");
};

TEST_F(ThesaurusFile, CountIgnoresATrailingPartialRecord) {
    writeBytes(path, recordsOf({"amo"}) + std::string(215, 'x'));  // 431 bytes
    EXPECT_EQ(countThesaurusRecords(path), 1);
    EXPECT_EQ(loadWorkspaceTable(path).size(), 1u);
    for (const std::size_t size : {1u, 215u}) {  // shorter than one record: no entry, no sentinels
        writeBytes(path, std::string(size, 'x'));
        EXPECT_TRUE(loadWorkspaceTable(path).empty()) << size << " bytes";
    }
}

TEST_F(ThesaurusFile, MissingOrEmptyFileLoadsAsTwoSentinelsAndStaysEmpty) {
    EXPECT_EQ(loadWorkspaceTable(path).size(), 2u) << "a missing file is created empty";
    const ThesaurusTable table = loadWorkspaceTable(path);
    ASSERT_EQ(table.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(table[i].sentinel());
        EXPECT_EQ(table[i].form(), "zzzzzzz");
        EXPECT_EQ(table[i].moodTenseVoice(), "zzzzzzz");
        EXPECT_EQ(recordNoText(table[i]), std::to_string(i + 1));
    }
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_TRUE(loadThesaurusTable(path).empty()) << "the browsers' table never holds sentinels";
}

TEST_F(ThesaurusFile, TableTrimsTheFormOnlyUnlessAskedForEveryColumn) {
    writeBytes(path, recordsOf({"amo", "Roma"}));
    const ThesaurusTable table = loadWorkspaceTable(path);
    EXPECT_EQ(table[0].form(), "amo");
    EXPECT_EQ(table[0].lemma(), "lemma" + std::string(45, ' '));
    EXPECT_EQ(table[1].category().size(), 7u);
    EXPECT_EQ(recordNoText(table[1]), "2");
    const ThesaurusTable trimmed = loadThesaurusTable(path, EntryTrim::AllColumns);
    EXPECT_EQ(trimmed[0].lemma(), "lemma");
    EXPECT_EQ(trimmed[1].caseGenderNumber(), "nom. f. sg.");
}

TEST_F(ThesaurusFile, AppendWritesTheNextRecordNumberAndUnderscoresForEmptyValues) {
    writeBytes(path, recordsOf({"a", "b", "c"}));
    const ThesaurusRecord written = appendThesaurusRecord(path, {"amo", "", "amo", "V1", "", ""});
    EXPECT_EQ(written.recordNo, 4);
    const std::string bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), 4u * 216);
    const ThesaurusRecord stored = decodeThesaurusRecord(std::string_view(bytes).substr(648));
    EXPECT_EQ(stored.recordNo, 4);
    EXPECT_EQ(stored.fields.form, "amo" + std::string(27, ' '));
    EXPECT_EQ(trimRight(stored.fields.lemma), "_");
    EXPECT_EQ(trimRight(stored.fields.caseGenderNumber), "_");
    EXPECT_EQ(trimRight(stored.fields.category), "V1");
    EXPECT_EQ(stored.reserved, std::string(10, ' '));
    EXPECT_EQ(written.fields.lemma, stored.fields.lemma);
}

TEST_F(ThesaurusFile, AppendOverwritesAPartialRecordSoNumbersMatchPositions) {
    writeBytes(path, recordsOf({"a", "b"}) + std::string(150, 'x'));  // 2.69 records
    EXPECT_EQ(appendThesaurusRecord(path, {"c", "c", "c", "c", "c", "c"}).recordNo, 3);
    const std::string bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), 3u * 216);
    const ThesaurusTable table = loadWorkspaceTable(path);
    EXPECT_EQ(table[2].form(), "c");
    EXPECT_EQ(table[2].recordNo(), 3);
}

TEST_F(ThesaurusFile, AppendRefusesToPassTheLargestRecordNumber) {
    writeBytes(path, std::string(32767u * 216, ' '));
    EXPECT_THROW(appendThesaurusRecord(path, {"a", "", "", "", "", ""}), FileError);
    EXPECT_EQ(std::filesystem::file_size(path), 32767u * 216);
}

// The thesaurus editor rewrites a record in place and marks a deleted one "$$$": nothing moves.
TEST_F(ThesaurusFile, RecordsAreReadAndRewrittenInPlaceByNumber) {
    writeBytes(path, recordsOf({"a", "b", "c"}));
    writeThesaurusRecord(path, 2, recordOf(2, "$$$"));
    EXPECT_EQ(trimRight(readThesaurusRecord(path, 2).fields.form), "$$$");
    EXPECT_EQ(trimRight(readThesaurusRecord(path, 3).fields.form), "c");
    EXPECT_THROW(readThesaurusRecord(path, 4), FileError);
    EXPECT_EQ(countThesaurusRecords(path), 3);
    // A thesaurus deleted meanwhile is not made again around the one record.
    std::filesystem::remove(path);
    EXPECT_THROW(writeThesaurusRecord(path, 2, recordOf(2, "$$$")), FileError);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace orbalis
