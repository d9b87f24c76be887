// Editing the analysis grid: selecting, applying (with additions to a user thesaurus, checked on
// the file's bytes), deleting and duplicating rows; the re-opened workspace's late thesaurus.
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/analysis_file.h"
#include "analysis/editing.h"
#include "analysis_fixture.h"
#include "records/file_error.h"
#include "records/fixed_text.h"
#include "records/thesaurus_table.h"
#include "scripted_prompter.h"
#include "temp_dir.h"

namespace orbalis {
namespace {

using namespace analysis_columns;
using testing::column;
using testing::readBytes;
using testing::ScriptedPrompter;
using testing::TempDir;
using testing::thesaurusBytes;
using testing::writeBytes;

constexpr const char *kSelectForm = "Seleziona una forma.";
constexpr const char *kPresent = "Forma (+Analisi) presenta in Thesaurus";

ThesaurusRecord recordAt(const std::string &bytes, std::size_t n) {
    return decodeThesaurusRecord(std::string_view(bytes).substr((n - 1) * 216, 216));
}

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

class Editing : public ::testing::Test {
protected:
    // "Roma est amor" against a user thesaurus: roma once, amor twice (a homograph), est unknown.
    void SetUp() override {
        writeBytes(thesaurus, thesaurusBytes({{"roma", "Roma", "Roma", "N1", "nom. f. sg.", "_"},
                                              {"amor", "amor", "amore", "N3", "nom. m. sg.", "_"},
                                              {"amor", "amo", "amare", "V1", "_", "ind. pr\xe9s. pass."}}));
        workspace = openAnalysisWorkspace("Roma est amor", thesaurus, LookupMode::Full);
    }

    TempDir dir;
    std::string thesaurus = dir.path("mio.dat");
    AnalysisWorkspace workspace;
    ScriptedPrompter prompter;
};

TEST_F(Editing, SelectingCopiesTheRowAndIgnoresHeaderAndEmptyRows) {
    ASSERT_EQ(column(workspace.grid, kForm), (std::vector<std::string>{"Roma", "est", "amor", "amor", ""}));
    const auto fields = selectRow(workspace, 1);
    ASSERT_TRUE(fields);
    EXPECT_EQ(*fields, (AnalysisFields{"Roma", "Roma", "Roma", "N1", "nom. f. sg.", "_"}))
        << "padding removed";
    EXPECT_EQ(workspace.grid.selectedColumn(), kIndicator) << "the whole row is highlighted";

    EXPECT_FALSE(selectRow(workspace, 0));
    EXPECT_FALSE(selectRow(workspace, 5)) << "the trailing empty row";
    EXPECT_FALSE(selectRow(workspace, 99));
    EXPECT_EQ(workspace.selectedRow, 1u);

    EXPECT_EQ(*selectRow(workspace, 2), (AnalysisFields{"est", "_", "_", "_", "_", "_"}));
}

TEST_F(Editing, ApplyingAddsAnAnalysisOnceAndAlwaysUpdatesTheRow) {
    const auto before = readBytes(thesaurus);
    ASSERT_TRUE(selectRow(workspace, 2));
    const AnalysisFields est{"est", "sum", "essere", "V6", "_", "ind. pr\xe9s. act."};
    EXPECT_EQ(applyEdit(workspace, est, ThesaurusAddition{thesaurus}, prompter).outcome, ApplyOutcome::Added);

    const std::string after = readBytes(thesaurus);
    ASSERT_EQ(after.size(), before.size() + 216);
    EXPECT_EQ(after.substr(0, before.size()), before);
    const ThesaurusRecord added = recordAt(after, 4);
    EXPECT_EQ(added.recordNo, 4);
    EXPECT_EQ(trimRight(added.fields.lemma), "sum");
    EXPECT_EQ(trimRight(added.fields.moodTenseVoice), "ind. pr\xe9s. act.");
    EXPECT_EQ(workspace.table.size(), 4u);
    EXPECT_EQ(recordNoText(workspace.table[3]), "4");
    EXPECT_EQ(workspace.grid.text(2, kLemma), "sum");
    EXPECT_EQ(workspace.grid.text(2, kIndicator), "*") << "the indicator is not the user's to change";

    // The same analysis, typed in other case and with trailing spaces, is found and not added.
    prompter.expectInform("Analisi esistente", kPresent, Icon::Information);
    const AnalysisFields again{"EST", "Sum ", "essere", "v6", "_", "IND. PR\xc9S. ACT.  "};
    EXPECT_EQ(applyEdit(workspace, again, ThesaurusAddition{thesaurus}, prompter).outcome,
              ApplyOutcome::AlreadyPresent);
    EXPECT_EQ(readBytes(thesaurus), after);
    EXPECT_EQ(workspace.grid.text(2, kForm), "EST") << "the row is updated all the same";

    // An empty field is stored as "_", and found again as such.
    const AnalysisFields sparse{"est", "sum", "", "V6", "", "ind. pr\xe9s. act."};
    EXPECT_EQ(applyEdit(workspace, sparse, ThesaurusAddition{thesaurus}, prompter).outcome,
              ApplyOutcome::Added);
    prompter.expectInform("Analisi esistente", kPresent, Icon::Information);
    EXPECT_EQ(applyEdit(workspace, sparse, ThesaurusAddition{thesaurus}, prompter).outcome,
              ApplyOutcome::AlreadyPresent);
    EXPECT_EQ(readBytes(thesaurus).size(), after.size() + 216);
}

TEST_F(Editing, EmptyValuesAndTheEmptyRowsFormAreStoredAsUnderscores) {
    const auto fields = selectRow(workspace, 2);  // not found: the form and underscores
    EXPECT_EQ(applyEdit(workspace, *fields, ThesaurusAddition{thesaurus}, prompter).outcome,
              ApplyOutcome::Added);
    EXPECT_EQ(recordAt(readBytes(thesaurus), 4).fields,
              (AnalysisFields{padded("est", 30), padded("_", 50), padded("_", 80), padded("_", 7),
                              padded("_", 15), padded("_", 22)}));

    workspace.selectedRow = 5;  // the trailing empty row, reached by keyboard
    applyEdit(workspace, {"nova", "novus", "nuovo", "A1", "nom. f. sg.", ""}, ThesaurusAddition{thesaurus},
              prompter);
    const ThesaurusRecord added = recordAt(readBytes(thesaurus), 5);
    EXPECT_EQ(trimRight(added.fields.form), "_");
    EXPECT_EQ(trimRight(added.fields.moodTenseVoice), "_");
    EXPECT_EQ(workspace.grid.text(5, kForm), "nova");
}

TEST_F(Editing, CommandsWithoutASelectedRowChangeNothing) {
    const Grid before = workspace.grid;
    prompter.expectInform("", kSelectForm).expectInform("", kSelectForm).expectInform("", kSelectForm);
    EXPECT_EQ(
        applyEdit(workspace, {"x", "x", "x", "x", "x", "x"}, ThesaurusAddition{thesaurus}, prompter).outcome,
        ApplyOutcome::NoRowSelected);
    EXPECT_EQ(deleteRow(workspace, prompter).change, GridChange::none());
    EXPECT_EQ(duplicateRow(workspace, prompter), GridChange::none());
    EXPECT_EQ(column(workspace.grid, kForm), column(before, kForm));
    EXPECT_EQ(workspace.grid.text(0, kForm), "Forme") << "the header row is never written";
    EXPECT_EQ(readBytes(thesaurus).size(), 3u * 216);
}

TEST_F(Editing, DeletingMovesTheRowsBelowUpAndKeepsTheRowCount) {
    selectRow(workspace, 2);
    const auto [change, shown] = deleteRow(workspace, prompter);
    EXPECT_EQ(change, GridChange::changed(2, 5)) << "the rows that moved up, and the emptied last row";
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->lemma, "amor") << "the edit fields show the row that moved up";
    EXPECT_EQ(column(workspace.grid, kForm), (std::vector<std::string>{"Roma", "amor", "amor", "", ""}));
    EXPECT_EQ(workspace.grid.colour(2, kLemma), TextColour::Orange) << "colours move with the texts";
    EXPECT_EQ(workspace.grid.colour(3, kLemma), TextColour::Orange);
    EXPECT_EQ(workspace.grid.colour(4, kLemma), TextColour::Default) << "the empty row's colour moved up too";
    EXPECT_EQ(workspace.grid.text(2, kIndicator), "");

    workspace.selectedRow = 5;
    EXPECT_EQ(*deleteRow(workspace, prompter).shown, AnalysisFields{});
    EXPECT_EQ(workspace.grid.rowCount(), 6u);
}

TEST_F(Editing, DuplicatingInsertsTheFormBelowTheSelectedRow) {
    selectRow(workspace, 2);
    ASSERT_EQ(duplicateRow(workspace, prompter), GridChange::inserted(3, 1));
    EXPECT_EQ(column(workspace.grid, kForm),
              (std::vector<std::string>{"Roma", "est", "est", "amor", "amor", ""}));
    EXPECT_EQ(column(workspace.grid, kLemma),
              (std::vector<std::string>{"Roma", "_", "_", "amor", "amo", ""}));
    EXPECT_TRUE(workspace.grid.bold(3, kForm));
    EXPECT_EQ(workspace.grid.colour(3, kForm), TextColour::DarkBlue);
    EXPECT_EQ(workspace.grid.colour(5, kTranslation), TextColour::Orange);

    // Duplicating a homograph row: the new row takes its analysis colour.
    selectRow(workspace, 4);
    duplicateRow(workspace, prompter);
    EXPECT_EQ(workspace.grid.colour(5, kLemma), TextColour::Orange);
    EXPECT_EQ(column(workspace.grid, kLemma)[5], "amo");
}

TEST_F(Editing, AVanishedThesaurusIsReportedAndTheEditKept) {
    const std::string gone = dir.path("gone/mio.dat");
    selectRow(workspace, 1);
    const ApplyResult result =
        applyEdit(workspace, {"Roma", "Roma", "Roma capitale", "N1", "nom. f. sg.", "_"},
                  ThesaurusAddition{gone}, prompter);
    EXPECT_TRUE(result.failure);
    EXPECT_EQ(result.change, GridChange::changed(1, 1));
    EXPECT_EQ(workspace.grid.text(1, kTranslation), "Roma capitale");
    EXPECT_EQ(workspace.table.size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(gone));
}

class ReopenedWorkspace : public ::testing::Test {
protected:
    void SetUp() override {
        Grid grid = makeAnalysisGrid();
        setUpGridHeader(grid);
        grid.setRowCount(3);
        grid.setText(1, kForm, "arma");
        grid.setText(1, kLemma, "arma");
        grid.setText(2, kForm, "virumque");
        grid.setText(2, kIndicator, "*");
        writeAnalysisFile(analysis, grid);
        workspace = openReopenedWorkspace(analysis);
    }

    TempDir dir;
    std::string analysis = dir.path("analisi.dat");
    AnalysisWorkspace workspace;
    ScriptedPrompter prompter;
};

TEST_F(ReopenedWorkspace, AnEmptyThesaurusChosenLaterTakesTheAdditions) {
    const std::string empty = dir.path("vuoto.dat");
    writeBytes(empty, "");
    prompter.expectFile(FileRole::Open, empty).expectInform("", "Il Thesaurus e' vuoto!");
    EXPECT_TRUE(chooseThesaurusLater(workspace, prompter));
    EXPECT_TRUE(workspace.table.empty()) << "no sentinel entries here";
    EXPECT_FALSE(chooseThesaurusLater(workspace, prompter)) << "asked once per workspace";

    const auto fields = selectRow(workspace, 1);  // "arma" with its padding from the file
    ASSERT_TRUE(fields);
    EXPECT_EQ(applyEdit(workspace, *fields, ThesaurusAddition{workspace.additionsPath}, prompter).outcome,
              ApplyOutcome::Added);
    EXPECT_EQ(recordAt(readBytes(empty), 1).recordNo, 1);

    prompter.expectInform("Analisi esistente", std::string(kPresent) + ".", Icon::Information);
    EXPECT_EQ(applyEdit(workspace, {"arma   ", "arma", "_", "_", "_", "_"},
                        ThesaurusAddition{workspace.additionsPath}, prompter)
                  .outcome,
              ApplyOutcome::AlreadyPresent)
        << "the form's trailing spaces do not count here";
    EXPECT_EQ(readBytes(empty).size(), 216u);
}

TEST_F(ReopenedWorkspace, AChosenThesaurusIsReadWithEveryColumnTrimmed) {
    const std::string mine = dir.path("mio.dat");
    writeBytes(mine, thesaurusBytes({{"arma", "arma", "armi", "N2", "nom. n. pl.", "_"}}));
    prompter.expectFile(FileRole::Open, mine);
    ASSERT_TRUE(chooseThesaurusLater(workspace, prompter));
    ASSERT_EQ(workspace.table.size(), 1u);
    EXPECT_EQ(workspace.table[0].translation(), "armi");
}

}  // namespace
}  // namespace orbalis
