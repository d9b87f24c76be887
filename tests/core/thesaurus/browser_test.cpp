// The thesaurus browsers: exact search, letter listings with and without the early stop, the
// results grid and the record numbers kept beside it, and the messages at opening.
#include <gtest/gtest.h>

#include "records/fixed_text.h"
#include "scripted_prompter.h"
#include "temp_dir.h"
#include "thesaurus/thesaurus_browser.h"

namespace orbalis {
namespace {

using testing::ScriptedPrompter;
using testing::TempDir;

std::vector<std::string> listedForms(const ThesaurusBrowser &browser) {
    std::vector<std::string> forms;
    const Grid &grid = browser.listing().grid();
    for (std::size_t row = 1; row <= browser.listing().hitCount(); ++row) forms.push_back(grid.text(row, 0));
    return forms;
}

class Browser : public ::testing::Test {
protected:
    // Writes a thesaurus of these forms (record numbers from 1) and opens both browsers on it.
    void load(std::initializer_list<std::string> forms) {
        std::string bytes;
        std::int16_t number = 1;
        for (const auto &form : forms) {
            ThesaurusRecord record;
            record.recordNo = number++;
            record.fields = {form, "lemma of " + form, "tr", "N1", "nom. f. sg.", "_"};
            bytes += encodeThesaurusRecord(record);
        }
        testing::writeBytes(path, bytes);
        builtIn.load(path);
        other.load(path);
    }

    TempDir dir;
    std::string path = dir.path("t.dat");
    ThesaurusBrowser builtIn{BrowserKind::BuiltIn};
    ThesaurusBrowser other{BrowserKind::Other};
};

using Forms = std::vector<std::string>;

TEST_F(Browser, SearchIsExactAndIgnoresCaseOnly) {
    load({"amo", "Amo", "amor"});
    struct Case {
        const char *query;
        Forms listed;
    };
    for (const Case &c :
         {Case{"AMO", {"amo", "Amo"}}, Case{"am", {}}, Case{"amo ", {}}, Case{"amor", {"amor"}}}) {
        other.searchForm(c.query);
        EXPECT_EQ(listedForms(other), c.listed) << "'" << c.query << "'";
    }
}

TEST_F(Browser, PaddedFormIsFoundAndDeletedEntriesOnlyBySearch) {
    load({"rosa", "$$$", "rosam"});
    other.searchForm("rosa");
    EXPECT_EQ(listedForms(other), (Forms{"rosa"}));
    other.searchForm("$$$");
    EXPECT_EQ(listedForms(other), (Forms{"$$$"}));
    other.filterByLetter('$');
    EXPECT_EQ(listedForms(other), (Forms{"$$$"})) << "no menu entry passes '$', but the rule is the same";
    builtIn.filterByLetter('r');
    EXPECT_EQ(listedForms(builtIn), (Forms{"rosa", "rosam"}));
}

TEST_F(Browser, BuiltInLetterListingStopsAtTheFirstLaterInitial) {
    load({"arma", "bellum", "arx", "Bonus", "\xe6gis", "bos"});
    builtIn.filterByLetter('a');
    EXPECT_EQ(listedForms(builtIn), (Forms{"arma"}));
    other.filterByLetter('a');
    EXPECT_EQ(listedForms(other), (Forms{"arma", "arx"}));
    // æ sorts after every letter and stops the built-in scan.
    builtIn.filterByLetter('b');
    EXPECT_EQ(listedForms(builtIn), (Forms{"bellum", "Bonus"}));
    other.filterByLetter('b');
    EXPECT_EQ(listedForms(other), (Forms{"bellum", "Bonus", "bos"}));
}

TEST_F(Browser, ResultsGridHasHitsThenOneEmptyRow) {
    load({"est", "sunt", "est"});
    other.searchForm("est");
    const Grid &grid = other.listing().grid();
    ASSERT_EQ(grid.rowCount(), 4u);
    EXPECT_EQ(grid.text(3, 0), "");
    EXPECT_EQ(grid.columnWidth(3), 0);
    EXPECT_EQ(builtIn.listing().grid().columnWidth(3), 1500);
    EXPECT_TRUE(grid.bold(2, 0));
    EXPECT_EQ(grid.colour(2, 0), TextColour::DarkBlue);
    EXPECT_EQ(grid.colour(2, 1), TextColour::Default);
    EXPECT_EQ(grid.text(2, 1), "lemma of est" + std::string(38, ' '));
    EXPECT_EQ(other.resultIndex(), (std::vector<std::string>{"1", "3"}));
    builtIn.searchForm("est");
    EXPECT_TRUE(builtIn.resultIndex().empty());
}

TEST_F(Browser, ListingWithoutHitsHidesTheGridUntilTheNextHit) {
    load({"est"});
    other.searchForm("sunt");
    EXPECT_FALSE(other.listing().grid().visible());
    EXPECT_TRUE(other.listing().messageVisible());
    EXPECT_EQ(other.listing().message(), "Non e' disponibile alcuna informazione per la forma richiesta");
    EXPECT_EQ(other.listing().grid().rowCount(), 2u);
    other.filterByLetter('z');
    EXPECT_EQ(other.listing().message(), "Non e' disponibile alcuna informazione per la lettera richiesta");
    other.searchForm("EST");
    EXPECT_TRUE(other.listing().grid().visible());
    EXPECT_FALSE(other.listing().messageVisible());
    EXPECT_EQ(listedForms(other), (Forms{"est"}));
    EXPECT_EQ(other.listing().grid().rowCount(), 3u);
}

TEST(BrowserOpening, EmptyFilesAreReportedEachWithItsOwnMessage) {
    TempDir dir;
    const std::string empty = dir.path("vuoto.dat");
    testing::writeBytes(empty, "");
    ScriptedPrompter prompter;
    prompter.expectInform("", "Il file 'donnees.dat' non esiste!")
        .expectFile(FileRole::Open, empty)
        .expectInform("", "Il Thesaurus e' vuoto!")
        .expectFile(FileRole::Open, std::nullopt);
    ThesaurusBrowser builtIn(BrowserKind::BuiltIn);
    builtIn.openBuiltIn(dir.path("missing/donnees.dat"), prompter);
    builtIn.filterByLetter('a');
    EXPECT_TRUE(builtIn.listing().messageVisible());
    ThesaurusBrowser other(BrowserKind::Other);
    other.openOther(prompter);
    EXPECT_EQ(other.thesaurusFilePath(), empty);
    ThesaurusBrowser cancelled(BrowserKind::Other);
    cancelled.openOther(prompter);
    EXPECT_EQ(cancelled.thesaurusFilePath(), "");
    EXPECT_EQ(cancelled.listing().grid().text(0, 0), "") << "a cancelled choice leaves the grid not set up";
}

}  // namespace
}  // namespace orbalis
