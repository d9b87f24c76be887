// The lexicon file's loading rules (counting, trimming, a missing file) and its browser's
// prefix search and letter listing.
#include <gtest/gtest.h>

#include <filesystem>

#include "lexicon/lexicon.h"
#include "records/lexicon_record.h"
#include "scripted_prompter.h"
#include "temp_dir.h"

namespace orbalis {
namespace {

using testing::TempDir;
using testing::writeBytes;

std::string lexiconOf(std::initializer_list<const char *> lemmas) {
    std::string bytes;
    std::int16_t number = 1;
    for (const char *lemma : lemmas) {
        LexiconRecord record;
        record.recordNo = number++;
        record.lemma = lemma;
        record.category = "N1";
        record.translation = std::string("tr ") + lemma;
        bytes += encodeLexiconRecord(record);
    }
    return bytes;
}

class Lexicon : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.path("lexique.dat");
};

TEST_F(Lexicon, CountsWholeRecordsAndTellsAMissingFileFromAShortOne) {
    const std::string one = lexiconOf({"amo"});
    ASSERT_EQ(one.size(), 323u);
    struct Case {
        std::string bytes;
        std::optional<std::size_t> entries;  // nullopt: the lexicon is missing
    };
    for (const Case &c : {Case{one, 1}, Case{one + std::string(322, ' '), 1}, Case{lexiconOf({"a", "b"}), 2},
                          Case{std::string(100, 'x'), 0}, Case{"", std::nullopt}}) {
        writeBytes(path, c.bytes);
        const auto table = loadLexicon(path);
        ASSERT_EQ(table.has_value(), c.entries.has_value()) << c.bytes.size() << " bytes";
        if (table) {
            EXPECT_EQ(table->size(), *c.entries) << c.bytes.size() << " bytes";
        }
    }
}

TEST_F(Lexicon, MissingFileIsReportedAtOpeningAndNotCreated) {
    testing::ScriptedPrompter prompter;
    prompter.expectInform("", "Il file 'lexique.dat' non esiste!");
    LexiconBrowser browser;
    browser.open(path, prompter);
    EXPECT_TRUE(browser.table().empty());
    EXPECT_FALSE(std::filesystem::exists(path));
    browser.searchLemma("");
    EXPECT_TRUE(browser.listing().messageVisible());
    EXPECT_EQ(browser.listing().message(), "Non e' disponibile alcuna informazione per il lemma richiesto");
}

TEST_F(Lexicon, ColumnsAreTrimmedEachByItsOwnRule) {
    std::string bytes = lexiconOf({"x"});
    bytes.replace(0, 2, "\xFF\xFF");                           // RecordNo -1
    bytes.replace(2, 70, std::string(70, ' '));                // lemma all spaces
    bytes.replace(178, 70, "  mater" + std::string(63, ' '));  // French derivatives
    bytes.replace(248, 70, "  mater" + std::string(63, ' '));  // Latin derivatives
    writeBytes(path, bytes);
    const LexiconEntry entry = loadLexicon(path)->front();
    EXPECT_EQ(entry.lemma, "");
    EXPECT_EQ(entry.frenchDerivatives, "mater" + std::string(63, ' '));
    EXPECT_EQ(entry.latinDerivatives, "  mater");
    EXPECT_EQ(entry.category, "N1");
    EXPECT_EQ(entry.recordNo, -1);
}

using Lemmas = std::vector<std::string>;

Lemmas listed(const LexiconBrowser &browser) {
    Lemmas lemmas;
    for (std::size_t row = 1; row <= browser.listing().hitCount(); ++row)
        lemmas.push_back(browser.listing().grid().text(row, 0));
    return lemmas;
}

TEST_F(Lexicon, SearchMatchesTheBeginningOfTheLemma) {
    writeBytes(path, lexiconOf({"amo", "Amor", "amicus", "bellum"}));
    LexiconBrowser browser;
    browser.setTable(*loadLexicon(path));
    struct Case {
        const char *query;
        Lemmas hits;
    };
    for (const Case &c : {Case{"AM", {"amo", "Amor", "amicus"}}, Case{"amo", {"amo", "Amor"}},
                          Case{"amor ", {}}, Case{"", {"amo", "Amor", "amicus", "bellum"}}}) {
        browser.searchLemma(c.query);
        EXPECT_EQ(listed(browser), c.hits) << "'" << c.query << "'";
    }
    browser.searchLemma("amicus");
    EXPECT_EQ(browser.listing().grid().text(1, 1), "tr amicus");
}

TEST_F(Lexicon, LetterListingStopsAtTheFirstLaterInitial) {
    writeBytes(path, lexiconOf({"", "arma", "bellum", "arx"}));
    LexiconBrowser browser;
    browser.setTable(*loadLexicon(path));
    browser.filterByLetter('a');
    EXPECT_EQ(listed(browser), (Lemmas{"arma"}));
    writeBytes(path, lexiconOf({"Bellum", "bonus"}));
    browser.setTable(*loadLexicon(path));
    browser.filterByLetter('b');
    EXPECT_EQ(listed(browser), (Lemmas{"Bellum", "bonus"}));
    browser.filterByLetter('c');
    EXPECT_FALSE(browser.listing().grid().visible());
    EXPECT_EQ(browser.listing().message(), "Non e' disponibile alcuna informazione per la lettera richiesta");
}

}  // namespace
}  // namespace orbalis
