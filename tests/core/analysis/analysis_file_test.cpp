// Saving a grid as an analysis file and re-opening it: the questions asked, the exact bytes, and
// a save that fails without destroying the previous file.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "analysis/analysis_file.h"
#include "analysis/analysis_grid.h"
#include "records/analysis_record.h"
#include "records/file_error.h"
#include "scripted_prompter.h"
#include "temp_dir.h"

namespace orbalis {
namespace {

using namespace analysis_columns;
using testing::readBytes;
using testing::ScriptedPrompter;
using testing::TempDir;
using testing::writeBytes;

constexpr const char *kSaved = "Il salvataggio e' concluso.";

// Header plus `rows` data rows: row r holds "form<r>" and, on even rows, the not-found mark.
Grid gridOf(std::size_t rows) {
    Grid grid = makeAnalysisGrid();
    setUpGridHeader(grid);
    grid.setRowCount(1 + rows);
    for (std::size_t row = 1; row <= rows; ++row) {
        grid.setText(row, kForm, "form" + std::to_string(row));
        grid.setText(row, kLemma, "lemma");
        if (row % 2 == 0) grid.setText(row, kIndicator, "*");
    }
    return grid;
}

class AnalysisFile : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.path("analisi.dat");
};

TEST_F(AnalysisFile, SaveWritesOneRecordPerDataRowAndReportsSuccess) {
    writeBytes(path, std::string(5000, 'x'));
    ScriptedPrompter prompter;
    prompter.expectFile(FileRole::Save, path)
        .expectYesNo("Schedario esistente", path + " esistente.\r\nVuoi cancellare?", true)
        .expectInform("", kSaved);
    EXPECT_EQ(saveAnalysisFile(gridOf(5), prompter).outcome, SaveOutcome::Saved);
    const std::string bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), 1090u);
    const AnalysisRecord second = decodeAnalysisRecord(std::string_view(bytes).substr(218, 218));
    EXPECT_EQ(second.fields.form, "form2" + std::string(25, ' '));
    EXPECT_EQ(second.indicator, "* ");
    EXPECT_EQ(decodeAnalysisRecord(std::string_view(bytes).substr(0, 218)).indicator, "  ");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.root()), {}), 1)
        << "nothing left beside it";
}

TEST_F(AnalysisFile, AnsweringNoKeepsTheExistingFileAndSaysNothingMore) {
    writeBytes(path, "keep me");
    ScriptedPrompter prompter;
    prompter.expectFile(FileRole::Save, path)
        .expectYesNo("Schedario esistente", path + " esistente.\r\nVuoi cancellare?", false);
    EXPECT_EQ(saveAnalysisFile(gridOf(2), prompter).outcome, SaveOutcome::KeptExisting);
    EXPECT_EQ(readBytes(path), "keep me");
}

TEST_F(AnalysisFile, CancelledDialogWritesNothing) {
    ScriptedPrompter prompter;
    prompter.expectFile(FileRole::Save, std::nullopt);
    EXPECT_EQ(saveAnalysisFile(gridOf(2), prompter).outcome, SaveOutcome::Cancelled);
    EXPECT_TRUE(std::filesystem::is_empty(dir.root()));
}

TEST_F(AnalysisFile, FailedSaveLeavesThePreviousFileAndNoPartialOne) {
    const std::string folder = dir.path("folder.dat");
    std::filesystem::create_directory(folder);  // renaming a file over a folder fails
    ScriptedPrompter prompter;
    prompter.expectFile(FileRole::Save, folder)
        .expectYesNo("Schedario esistente", folder + " esistente.\r\nVuoi cancellare?", true);
    EXPECT_THROW(saveAnalysisFile(gridOf(3), prompter), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.root()), {}), 1);
}

TEST_F(AnalysisFile, ReopeningRestoresTextsButNotTheHomographColour) {
    Grid grid = gridOf(3);
    grid.setText(1, kForm, std::string(35, 'f'));
    grid.setColour(1, kLemma, TextColour::Orange);
    grid.setRowCount(5);  // an empty row at the end is saved too
    writeAnalysisFile(path, grid);
    Grid reopened = makeAnalysisGrid();
    loadAnalysisFile(path, reopened);
    ASSERT_EQ(reopened.rowCount(), 5u);
    EXPECT_EQ(reopened.text(0, kTranslation), "Trazione");
    EXPECT_EQ(reopened.text(0, kForm), "Forme");
    EXPECT_EQ(reopened.text(1, kForm), std::string(30, 'f'));
    EXPECT_EQ(reopened.text(1, kLemma), "lemma" + std::string(45, ' '));
    EXPECT_EQ(reopened.colour(1, kLemma), TextColour::Default);
    EXPECT_EQ(reopened.colour(1, kForm), TextColour::DarkBlue);
    EXPECT_TRUE(reopened.bold(3, kForm));
    EXPECT_EQ(reopened.text(2, kIndicator), "* ");
    EXPECT_EQ(reopened.text(4, kForm), std::string(30, ' '));
}

TEST_F(AnalysisFile, OnlyWholeRecordsOfTextAreReopened) {
    // A thesaurus of 109 records is 108 analysis records long: its record numbers give it away.
    std::string thesaurus;
    for (int n = 1; n <= 109; ++n)
        thesaurus += std::string{static_cast<char>(n), '\0'} + std::string(214, 'a');
    std::string tab(654, 'x');
    tab[218 + 40] = '\t';
    std::string del(218, 'x');
    del[207] = '\x7f';  // in the indicator
    std::string reserved(218, 'x');
    reserved[0] = reserved[1] = reserved[210] = '\0';  // RecordNo and Reserved carry anything
    struct Case {
        std::string bytes;
        std::size_t rows;  // header included; 0: refused
    };
    for (const Case &c : std::vector<Case>{{"", 1},
                                           {std::string(654, 'x'), 4},
                                           {reserved, 2},
                                           {std::string(217, 'x'), 0},
                                           {std::string(437, 'x'), 0},
                                           {thesaurus, 0},
                                           {tab, 0},
                                           {del, 0}}) {
        writeBytes(path, c.bytes);
        Grid grid = gridOf(2);
        if (c.rows == 0) {
            EXPECT_THROW(loadAnalysisFile(path, grid), FileError) << c.bytes.size() << " bytes";
            EXPECT_EQ(grid.text(1, kForm), "form1") << "the grid is left as it was";
        } else {
            loadAnalysisFile(path, grid);
            EXPECT_EQ(grid.rowCount(), c.rows) << c.bytes.size() << " bytes";
        }
    }
    std::filesystem::remove(path);
    Grid grid = makeAnalysisGrid();
    EXPECT_THROW(loadAnalysisFile(path, grid), FileError);
    EXPECT_FALSE(std::filesystem::exists(path)) << "a missing analysis is not created";
}

}  // namespace
}  // namespace orbalis
