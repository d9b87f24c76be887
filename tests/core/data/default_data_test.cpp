// The data shipped with the system: generated from its sources, sorted as the lookup and the
// letter listings need, and covering every form of the sample texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "analysis/analysis_grid.h"
#include "lexicon/lexicon.h"
#include "temp_dir.h"
#include "text/encoding.h"
#include "text/text_file.h"
#include "tools/data_compiler.h"

namespace orbalis {
namespace {

const std::string kSource = ORBALIS_SOURCE_DIR;
const std::string kBuiltIn = kSource + "/data/donnees.dat";
const std::string kLexicon = kSource + "/data/lexique.dat";

TEST(DefaultData, DataFilesAreWhatTheirSourcesGenerate) {
    testing::TempDir dir;
    compileThesaurus(kSource + "/data/src/donnees.tsv", dir.path("donnees.dat"));
    compileLexicon(kSource + "/data/src/lexique.tsv", dir.path("lexique.dat"));
    compileNames(kSource + "/data/src/names.tsv", dir.path("nomi.dat"));
    EXPECT_EQ(testing::readBytes(dir.path("donnees.dat")), testing::readBytes(kBuiltIn))
        << "run scripts/gen-data after changing data/src";
    EXPECT_EQ(testing::readBytes(dir.path("lexique.dat")), testing::readBytes(kLexicon));
    EXPECT_TRUE(testing::readBytes(dir.path("nomi.dat")) == testing::readBytes(kSource + "/data/nomi.dat"))
        << "run scripts/gen-data after changing data/src/names.tsv";
}

TEST(DefaultData, BuiltInThesaurusIsSortedAndNumbered) {
    const ThesaurusTable table = loadThesaurusTable(kBuiltIn);
    ASSERT_GE(table.size(), 400u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].recordNo(), static_cast<std::int32_t>(i + 1));
        if (i > 0) {
            EXPECT_LE(lowerCp1252(table[i - 1].form()), lowerCp1252(table[i].form())) << "entry " << i;
        }
    }
    const auto lexicon = loadLexicon(kLexicon);
    ASSERT_TRUE(lexicon);
    ASSERT_GE(lexicon->size(), 150u);
    for (std::size_t i = 1; i < lexicon->size(); ++i)
        EXPECT_LE(lowerCp1252((*lexicon)[i - 1].lemma), lowerCp1252((*lexicon)[i].lemma));
}

// The hand-checked records (data/src/hand) take precedence over generated ones: every one of
// them is in the built-in thesaurus as written.
TEST(DefaultData, HandCheckedRecordsAreKept) {
    const ThesaurusTable table = loadThesaurusTable(kBuiltIn, EntryTrim::AllColumns);
    std::set<std::string> records;
    for (const auto &e : table)
        records.insert(std::string(e.form()) + "\t" + std::string(e.lemma()) + "\t" +
                       std::string(e.translation()) + "\t" + std::string(e.category()) + "\t" +
                       std::string(e.caseGenderNumber()) + "\t" + std::string(e.moodTenseVoice()));
    std::istringstream hand(testing::readBytes(kSource + "/data/src/hand/donnees.tsv"));
    std::string line;
    std::getline(hand, line);  // column names
    std::size_t count = 0;
    while (std::getline(hand, line)) {
        if (line.empty()) continue;
        ++count;
        EXPECT_TRUE(records.count(utf8ToCp1252(line, '?'))) << line;
    }
    EXPECT_GT(count, 700u);
    EXPECT_LE(table.size(), 32767u);
}

// Every record reads in Italian and under a lemma: no English meaning in square brackets (only
// the markers [e], [?], [o] of an enclitic), no French abbreviation, no bracket left open or
// closed alone, no lemma "-".
TEST(DefaultData, EveryRecordIsItalianWithALemma) {
    const ThesaurusTable table = loadThesaurusTable(kBuiltIn, EntryTrim::AllColumns);
    for (const auto &e : table) {
        std::string text(e.translation());
        for (std::string_view marker : {"[e]", "[?]", "[o]"})
            for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker))
                text.erase(at, 3);
        int round = 0, square = 0;
        bool balanced = true;
        for (char c : text) {
            round += c == '(' ? 1 : c == ')' ? -1 : 0;
            square += c == '[' ? 1 : c == ']' ? -1 : 0;
            balanced = balanced && round >= 0 && square >= 0;
        }
        const std::string record =
            std::string(e.form()) + " " + std::string(e.lemma()) + ": " + std::string(e.translation());
        EXPECT_EQ(text.find('['), std::string::npos) << record;
        EXPECT_TRUE(balanced && round == 0 && square == 0) << record;
        for (std::string_view french : {"qqch", "qqn", "qqf"})
            EXPECT_EQ(text.find(french), std::string::npos) << record;
        EXPECT_NE(e.lemma(), "-") << record;
        EXPECT_FALSE(text.empty()) << record;
    }
}

TEST(DefaultData, EverySampleFormIsFoundInTheBuiltInThesaurus) {
    std::size_t samples = 0;
    for (const auto &file : std::filesystem::directory_iterator(kSource + "/samples")) {
        // The macronised passage is there to show proposals for forms the thesaurus lacks.
        if (file.path().extension() != ".txt" || file.path().stem().string().ends_with("_macrons")) continue;
        ++samples;
        const AnalysisWorkspace workspace =
            openAnalysisWorkspace(loadTextFile(file.path().string()), kBuiltIn, LookupMode::Sorted);
        ASSERT_GT(workspace.forms.size(), 50u);
        for (std::size_t row = 1; row < workspace.nextRow; ++row)
            EXPECT_EQ(workspace.grid.text(row, analysis_columns::kIndicator), "")
                << file.path().filename() << ": " << workspace.grid.text(row, 0) << " not found";
    }
    EXPECT_EQ(samples, 2u);
}

}  // namespace
}  // namespace orbalis
