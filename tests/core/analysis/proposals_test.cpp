// Proposals for unknown forms: the spelling and enclitic rules, their place in the grid, the
// status counts, confirming them into a user thesaurus (checked on the file's bytes) and their
// "?" through an analysis file; and the vocabulary of a grid.
#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/analysis_file.h"
#include "analysis/editing.h"
#include "analysis/proposals.h"
#include "analysis/vocabulary.h"
#include "analysis_fixture.h"
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

struct SpellingCase {
    const char *name;
    std::string form;
    std::string variant;  // one of the spellings the thesaurus is asked for
};

class SpellingVariants : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(SpellingVariants, IncludeTheOtherSpelling) {
    const auto variants = spellingVariants(GetParam().form);
    EXPECT_NE(std::find(variants.begin(), variants.end(), GetParam().variant), variants.end())
        << ::testing::PrintToString(variants);
    EXPECT_EQ(std::find(variants.begin(), variants.end(), GetParam().form), variants.end()) << "not itself";
}

INSTANTIATE_TEST_SUITE_P(
    Proposals, SpellingVariants,
    ::testing::Values(SpellingCase{"Diaeresis", "po\xebta", "poeta"},
                      SpellingCase{"Accent",
                                   "d\xe9"
                                   "a",
                                   "dea"},
                      SpellingCase{"Ae", "c\xe6tera", "caetera"}, SpellingCase{"J", "jam", "iam"},
                      SpellingCase{"VAsU", "vir", "uir"}, SpellingCase{"UAsV", "uirum", "virum"},
                      SpellingCase{"UBetweenVowels", "nouus", "novus"},
                      SpellingCase{"UAfterR", "seruus", "servus"}, SpellingCase{"Adf", "adfero", "affero"},
                      SpellingCase{"Aff", "affero", "adfero"},
                      SpellingCase{"Conl", "conloquium", "colloquium"},
                      SpellingCase{"Inm", "inmortalis", "immortalis"},
                      SpellingCase{"Adp", "appeto", "adpeto"}, SpellingCase{"Und", "faciundi", "faciendi"},
                      SpellingCase{"Combined", "adiuuandi", "adiuvandi"}),
    [](const auto &info) { return std::string(info.param.name); });

struct EncliticCase {
    const char *name;
    std::string form;
    std::optional<std::pair<std::string, std::string>> split;
};

class Enclitics : public ::testing::TestWithParam<EncliticCase> {};

TEST_P(Enclitics, SplitOffTheHost) {
    const auto split = splitEnclitic(GetParam().form);
    ASSERT_EQ(split.has_value(), GetParam().split.has_value());
    if (split) {
        EXPECT_EQ(std::make_pair(split->host, std::string(split->marker)), *GetParam().split);
    }
}

INSTANTIATE_TEST_SUITE_P(Proposals, Enclitics,
                         ::testing::Values(EncliticCase{"Que", "virumque", {{"virum", "[e] "}}},
                                           EncliticCase{"Ne", "estne", {{"est", "[?] "}}},
                                           EncliticCase{"Ve", "plusve", {{"plus", "[o] "}}},
                                           EncliticCase{"HostTooShort", "ne", std::nullopt},
                                           EncliticCase{"None", "rosa", std::nullopt}),
                         [](const auto &info) { return std::string(info.param.name); });

// The names file answers for capitalised forms only: the form, a spelling of it, or the host of
// an enclitic.
struct NameCase {
    const char *name;
    std::string form;
    bool capitalised;
    std::vector<std::string> translations;  // of the proposals, in order; empty: none
};

class NameProposals : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameProposals, ComeFromTheNamesFile) {
    const ThesaurusTable names = ThesaurusTable::fromRecords(
        thesaurusBytes({{"Aeolus", "Aeolus", "Eolo", "N2", "nom. m. sg.", "_"},
                        {"Iulum", "Iulus", "Iulo", "N2", "acc. m. sg.", "_"},
                        {"Xanthum", "Xanthus", "Xanto", "N2", "acc. m. sg.", "_"},
                        {"Xanthum", "Xanthus", "Xanto", "N2", "gén. m. pl.", "_"}}),
        EntryTrim::FormOnly);
    const Proposals proposals = proposeNames({{GetParam().form, GetParam().capitalised}}, names);
    std::vector<std::string> translations;
    if (const auto it = proposals.find(GetParam().form); it != proposals.end())
        for (const AnalysisFields &fields : it->second) translations.push_back(fields.translation);
    EXPECT_EQ(translations, GetParam().translations);
}

INSTANTIATE_TEST_SUITE_P(
    Proposals, NameProposals,
    ::testing::Values(NameCase{"Form", "aeolus", true, {"Eolo"}},
                      NameCase{"Spelling", "julum", true, {"Iulo"}},
                      NameCase{"EncliticHost", "xanthumque", true, {"[e] Xanto", "[e] Xanto"}},
                      NameCase{"LowerCase", "aeolus", false, {}}, NameCase{"Unknown", "cloanthum", true, {}}),
    [](const auto &info) { return std::string(info.param.name); });

class ProposalRows : public ::testing::Test {
protected:
    // "Poëta arma virumque canit xyz": poeta is held under its plain spelling, vir with two
    // readings, arma known; canit and xyz unknown to the thesaurus.
    void SetUp() override {
        writeBytes(thesaurus, thesaurusBytes({{"arma", "arma", "armi", "N2", "nom. nt. pl.", "_"},
                                              {"poeta", "poeta", "poeta", "N1", "nom. m. sg.", "_"},
                                              {"virum", "vir", "uomo", "N2", "acc. m. sg.", "_"},
                                              {"virum", "vir", "uomo", "N2", "gén. m. pl.", "_"}}));
        workspace = openAnalysisWorkspace("Po\xebta arma virumque canit xyz", thesaurus, LookupMode::Full);
    }
    void place() {
        const auto placed =
            placeProposals(workspace, proposeFromThesaurus(unknownForms(workspace.grid), workspace.table));
        EXPECT_EQ(placed.rows, 3u);
    }

    TempDir dir;
    std::string thesaurus = dir.path("mio.dat");
    AnalysisWorkspace workspace;
    ScriptedPrompter prompter;
};

TEST_F(ProposalRows, ReplaceNotFoundRowsWithMarkedColouredRows) {
    workspace.selectedRow = 5;  // xyz, which keeps its row
    place();
    const Grid &grid = workspace.grid;
    EXPECT_EQ(column(grid, kForm),
              (std::vector<std::string>{"Po\xebta", "arma", "virumque", "virumque", "canit", "xyz"}));
    EXPECT_EQ(column(grid, kTranslation),
              (std::vector<std::string>{"poeta", "armi", "[e] uomo", "[e] uomo", "_", "_"}));
    EXPECT_EQ(column(grid, kIndicator), (std::vector<std::string>{"?", "", "?", "?", "*", "*"}));
    EXPECT_EQ(grid.colour(1, kLemma), kProposalColour);
    EXPECT_EQ(grid.colour(4, kMoodTenseVoice), kProposalColour);
    EXPECT_EQ(grid.colour(2, kLemma), TextColour::Default);
    EXPECT_EQ(grid.colour(3, kForm), TextColour::DarkBlue);
    EXPECT_EQ(workspace.selectedRow, 6u) << "the selection follows its row";

    const GridSummary summary = summariseGrid(grid);
    EXPECT_EQ(std::make_tuple(summary.known(), summary.proposed, summary.unknown),
              std::make_tuple(1u, 2u, 2u));
    // F3 goes through every row that needs work and wraps round.
    EXPECT_EQ(nextRowNeedingWork(grid, 0), 1u);
    EXPECT_EQ(nextRowNeedingWork(grid, 1), 3u);
    EXPECT_EQ(nextRowNeedingWork(grid, 6), 1u);
}

TEST_F(ProposalRows, ApplyingWithAdditionConfirmsOneProposal) {
    place();
    ASSERT_TRUE(selectRow(workspace, 3));
    const auto applied =
        applyEdit(workspace, rowTexts(workspace.grid, 3), ThesaurusAddition{thesaurus}, prompter);
    EXPECT_EQ(applied.outcome, ApplyOutcome::Added);
    EXPECT_EQ(trimRight(workspace.grid.text(3, kIndicator)), "");
    EXPECT_EQ(workspace.grid.colour(3, kLemma), TextColour::Default);
    EXPECT_EQ(trimRight(workspace.grid.text(4, kIndicator)), "?") << "the other proposal waits";
    // Without an addition a proposal stays one.
    ASSERT_TRUE(selectRow(workspace, 4));
    applyEdit(workspace, rowTexts(workspace.grid, 4), std::nullopt, prompter);
    EXPECT_EQ(trimRight(workspace.grid.text(4, kIndicator)), "?");
}

TEST_F(ProposalRows, AcceptingAppendsEachAnalysisOnceAfterOneQuestion) {
    place();
    const auto before = readBytes(thesaurus);
    // poeta's proposal is its own spelling held already only under another form: it is added.
    prompter.expectYesNo("Accetta i suggerimenti",
                         "3 analisi proposte saranno aggiunte al Thesaurus. Continuare?", true);
    const AcceptResult result = acceptProposals(workspace, ThesaurusAddition{thesaurus}, prompter);
    EXPECT_EQ(std::make_pair(result.added, result.confirmed), std::make_pair(std::size_t{3}, std::size_t{3}));
    const auto after = readBytes(thesaurus);
    ASSERT_EQ(after.size(), before.size() + 3 * 216);
    const ThesaurusRecord added = decodeThesaurusRecord(std::string_view(after).substr(5 * 216, 216));
    EXPECT_EQ(trimRight(added.fields.form), "virumque");
    EXPECT_EQ(trimRight(added.fields.translation), "[e] uomo");
    EXPECT_EQ(column(workspace.grid, kIndicator), (std::vector<std::string>{"", "", "", "", "*", "*"}));

    // A second time there is nothing left to confirm; after duplicating a confirmed analysis as a
    // proposal again, the identity test finds it and nothing is appended.
    prompter.expectInform("Accetta i suggerimenti", "Non ci sono proposte da confermare.", Icon::Information);
    acceptProposals(workspace, ThesaurusAddition{thesaurus}, prompter);
    workspace.grid.setText(1, kIndicator, "?");
    prompter.expectYesNo("Accetta i suggerimenti",
                         "0 analisi proposte saranno aggiunte al Thesaurus. Continuare?", true);
    EXPECT_EQ(acceptProposals(workspace, ThesaurusAddition{thesaurus}, prompter).added, 0u);
    EXPECT_EQ(readBytes(thesaurus).size(), after.size());
}

TEST_F(ProposalRows, BuiltInThesaurusAndAnsweringNoChangeNothing) {
    place();
    const auto before = readBytes(thesaurus);
    prompter.expectInformStartingWith("Accetta i suggerimenti", "Il Thesaurus Orbalis non accetta aggiunte",
                                      Icon::Information);
    EXPECT_EQ(acceptProposals(workspace, std::nullopt, prompter).confirmed, 0u);
    prompter.expectYesNo("Accetta i suggerimenti",
                         "3 analisi proposte saranno aggiunte al Thesaurus. Continuare?", false);
    EXPECT_EQ(acceptProposals(workspace, ThesaurusAddition{thesaurus}, prompter).confirmed, 0u);
    EXPECT_EQ(readBytes(thesaurus), before);
    EXPECT_EQ(column(workspace.grid, kIndicator)[0], "?");
}

TEST_F(ProposalRows, SavedProposalsReopenAsProposals) {
    place();
    const std::string saved = dir.path("analisi.dat");
    prompter.expectFile(FileRole::Save, saved).expectInform("", "Il salvataggio e' concluso.");
    saveAnalysisFile(workspace.grid, prompter);
    const AnalysisWorkspace reopened = openReopenedWorkspace(saved);
    EXPECT_EQ(column(reopened.grid, kIndicator), column(workspace.grid, kIndicator));
    EXPECT_EQ(reopened.grid.colour(3, kTranslation), kProposalColour);
    EXPECT_EQ(reopened.grid.colour(2, kTranslation), TextColour::Default);
}

TEST(Vocabulary, CountsEachTokenOncePerLemma) {
    // rosa rosa: two tokens with two readings each; est: one; amor: a homograph of two lemmas.
    TempDir dir;
    const std::string path = dir.path("t.dat");
    writeBytes(path, thesaurusBytes({{"rosa", "rosa", "rosa", "N1", "nom. f. sg.", "_"},
                                     {"rosa", "rosa", "rosa", "N1", "abl. f. sg.", "_"},
                                     {"est", "sum", "essere", "V6", "3 sg.", "ind. pr\xe9s. act."},
                                     {"amor", "amor", "(comp.) amore", "N3", "nom. m. sg.", "_"},
                                     {"amor", "amo", "amare", "V1", "1 sg.", "ind. pr\xe9s. pass."}}));
    const AnalysisWorkspace workspace =
        openAnalysisWorkspace("Rosa rosa est amor est xyz", path, LookupMode::Full);
    EXPECT_EQ(textVocabulary(workspace.grid), (std::vector<VocabularyEntry>{{"amo", "V1", "amare", 1},
                                                                            {"amor", "N3", "amore", 1},
                                                                            {"rosa", "N1", "rosa", 2},
                                                                            {"sum", "V6", "essere", 2}}));
}

}  // namespace
}  // namespace orbalis
