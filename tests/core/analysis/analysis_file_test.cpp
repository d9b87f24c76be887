// Saving a grid as an analysis file and re-opening it: the questions asked, the exact bytes, and
// a save that fails without destroying the previous file.
#include <gtest/gtest.h>

#include <filesystem>

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
    EXPECT_EQ(saveAnalysisFile(gridOf(5), prompter), SaveOutcome::Saved);
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
    EXPECT_EQ(saveAnalysisFile(gridOf(2), prompter), SaveOutcome::KeptExisting);
    EXPECT_EQ(readBytes(path), "keep me");
}

TEST_F(AnalysisFile, CancelledDialogWritesNothing) {
    ScriptedPrompter prompter;
    prompter.expectFile(FileRole::Save, std::nullopt);
    EXPECT_EQ(saveAnalysisFile(gridOf(2), prompter), SaveOutcome::Cancelled);
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

TEST_F(AnalysisFile, RowCountOfAFileEndingInAPartialRecord) {
    struct Case {
        std::size_t bytes;
        std::size_t rows;  // header included
    };
    // 437 / 218 = 2.004 -> 2 rows; 545 / 218 = 2.5 -> 2 (halves to even); 546 -> 3, the third empty.
    for (const Case c : {Case{0, 1}, Case{437, 3}, Case{545, 3}, Case{546, 4}, Case{654, 4}}) {
        writeBytes(path, std::string(c.bytes, 'x'));
        Grid grid = makeAnalysisGrid();
        loadAnalysisFile(path, grid);
        EXPECT_EQ(grid.rowCount(), c.rows) << c.bytes << " bytes";
        if (c.bytes == 546) {
            EXPECT_EQ(grid.text(3, kForm), "");
        }
    }
}

}  // namespace
}  // namespace orbalis
