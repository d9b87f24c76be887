// The thesaurus browsers: exact search, letter listings with and without the early stop, the
// results grid and the record numbers kept beside it, the messages at opening, the forms of a
// lemma, and the deletion and rewriting of entries on the file's bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "records/file_error.h"
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
    EXPECT_FALSE(std::filesystem::exists(dir.path("missing"))) << "the built-in thesaurus is never created";
    ThesaurusBrowser cancelled(BrowserKind::Other);
    cancelled.openOther(prompter);
    EXPECT_EQ(cancelled.thesaurusFilePath(), "");
    EXPECT_EQ(cancelled.listing().grid().text(0, 0), "") << "a cancelled choice leaves the grid not set up";
}

TEST_F(Browser, LemmaListingIsOrderedAsAParadigm) {
    std::string bytes;
    auto add = [&](const char *form, const char *lemma, const char *category, const char *cgn,
                   const char *mtv) {
        ThesaurusRecord record;
        record.fields = {form, lemma, "re", category, cgn, mtv};
        bytes += encodeThesaurusRecord(record);
    };
    add("regum", "rex", "N3", "g\xe9n. m. pl.", "_");
    add("regis", "Rex ", "N3", "g\xe9n. m. sg.", "_");
    add("regi", "rex", "N3", "dat. m. sg.", "_");
    add("rexit", "rexo", "V3", "3 sg.", "ind. parf. act.");
    add("rex", "rex", "N3", "nom. m. sg.", "_");
    add("regem", "REX", "N3", "acc. m. sg.", "_");
    add("reges", "rex", "N3", "nom. m. pl.", "_");
    add("rex?", "rex", "N1", "", "");
    testing::writeBytes(path, bytes);
    other.load(path);
    other.listLemma(" Rex");
    EXPECT_EQ(listedForms(other), (Forms{"rex?", "rex", "regem", "regis", "regi", "reges", "regum"}));
    other.listLemma("re");
    EXPECT_TRUE(other.listing().messageVisible());
    EXPECT_EQ(other.listing().message(), "Non e' disponibile alcuna informazione per il lemma richiesto");

    // A verb: each tense's persons in turn, singular before plural, then the tenses and voices.
    bytes.clear();
    add("amavit", "amo", "V1", "3 sg.", "ind. parf. act.");
    add("amant", "amo", "V1", "3 pl.", "ind. pr\xe9s. act.");
    add("amo", "amo", "V1", "1 sg.", "ind. pr\xe9s. act.");
    add("amor", "amo", "V1", "1 sg.", "ind. pr\xe9s. pas.");
    add("amavero", "amo", "V1", "1 sg.", "ind. fut. ant. act.");
    add("amabo", "amo", "V1", "1 sg.", "ind. fut. act.");
    testing::writeBytes(path, bytes);
    other.load(path);
    other.listLemma("amo");
    EXPECT_EQ(listedForms(other), (Forms{"amo", "amor", "amabo", "amavero", "amavit", "amant"}));
}

// A thesaurus of `count` records "f1", "f2"…, where the records named in `xs` hold the forms
// "xa", "xb"… instead; every RecordNo field holds `storedNo` (a foreign file's), or the record's
// own number when it is 0.
std::string numberedThesaurus(int count, std::initializer_list<int> xs, std::int16_t storedNo = 0) {
    std::string bytes;
    for (int n = 1; n <= count; ++n) {
        ThesaurusRecord record;
        record.recordNo = storedNo != 0 ? storedNo : static_cast<std::int16_t>(n);
        record.fields = {"f" + std::to_string(n), "lemma", "tr", "N1", "nom. f. sg.", "_"};
        char letter = 'a';
        for (const int x : xs) {
            if (x == n) record.fields.form = std::string("x") + letter;
            ++letter;
        }
        bytes += encodeThesaurusRecord(record);
    }
    return bytes;
}

std::string recordBytes(const std::string &file, std::size_t n) {
    return file.substr((n - 1) * thesaurus_format::kRecordLength, thesaurus_format::kRecordLength);
}

class EntryEditing : public Browser {
protected:
    void SetUp() override {
        // A foreign file: its RecordNo fields all say 1.
        testing::writeBytes(path, numberedThesaurus(30, {7, 12, 30}, 1));
        other.load(path);
        other.filterByLetter('x');
        before = testing::readBytes(path);
    }
    ScriptedPrompter prompter;
    std::string before;
};

TEST_F(EntryEditing, DeletionOverwritesTheListedRecordAndRemovesItsRow) {
    ASSERT_EQ(other.resultIndex(), (std::vector<std::string>{"7", "12", "30"}));
    ASSERT_TRUE(other.chooseRow(2));
    prompter.expectYesNo("Cancellazione di una forma", "Vuoi veramente cancellare questa forma?\r\n", true);
    EXPECT_EQ(other.deleteEntry(prompter), GridChange::removed(2, 1));

    const std::string after = testing::readBytes(path);
    ASSERT_EQ(after.size(), before.size());
    std::string deleted = std::string("\x0c\x00$$$", 5) + std::string(27, ' ');
    deleted += "_" + std::string(6, ' ') + "_" + std::string(49, ' ') + "_" + std::string(14, ' ') + "_" +
               std::string(21, ' ') + "_" + std::string(79, ' ') + std::string(10, ' ');
    EXPECT_EQ(recordBytes(after, 12), deleted) << "record 12, RecordNo 12";
    EXPECT_EQ(after.substr(0, 11 * 216), before.substr(0, 11 * 216)) << "record 1 (RecordNo 1) untouched";
    EXPECT_EQ(after.substr(12 * 216), before.substr(12 * 216));

    EXPECT_EQ(listedForms(other), (Forms{"xa", "xc"}));
    EXPECT_EQ(other.listing().grid().rowCount(), 4u) << "exactly one empty last row";
    EXPECT_EQ(other.resultIndex(), (std::vector<std::string>{"7", "30"}));
    EXPECT_EQ(other.chosenRow(), 0u) << "the next command needs a new choice";
    EXPECT_EQ(other.table()[11].form(), "$$$") << "the table was read again";
    other.searchForm("xb");
    EXPECT_TRUE(other.listing().messageVisible());
    other.searchForm("$$$");
    EXPECT_EQ(listedForms(other), (Forms{"$$$"}));
}

TEST_F(EntryEditing, CommandsActOnlyOnARowTheUserChose) {
    // Right after a listing no row is chosen, whatever the grid's own current row.
    prompter.expectInform("", "Non e' stato selezionato alcun elemento della griglia d'analisi!");
    EXPECT_EQ(other.deleteEntry(prompter), GridChange::none());
    EXPECT_FALSE(other.entryToEdit());
    EXPECT_FALSE(other.chooseRow(4)) << "the empty last row";
    // No: nothing written, grid and index unchanged.
    ASSERT_TRUE(other.chooseRow(1));
    prompter.expectYesNo("Cancellazione di una forma", "Vuoi veramente cancellare questa forma?\r\n", false);
    EXPECT_EQ(other.deleteEntry(prompter), GridChange::none());
    EXPECT_EQ(listedForms(other), (Forms{"xa", "xb", "xc"}));
    // A hidden grid (nothing found): nothing at all, not even a message.
    other.searchForm("nulla");
    EXPECT_FALSE(other.chooseRow(1));
    EXPECT_EQ(other.deleteEntry(prompter), GridChange::none());
    EXPECT_EQ(testing::readBytes(path), before);
}

TEST_F(EntryEditing, SaveRewritesTheRecordInPlaceAsTyped) {
    ASSERT_TRUE(other.chooseRow(3));
    const auto edit = other.entryToEdit();
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->recordNo, 30);
    EXPECT_EQ(edit->fields, (AnalysisFields{"xc", "lemma", "tr", "N1", "nom. f. sg.", "_"}));

    // Unchanged, the record is written back as it was, but for its RecordNo.
    EXPECT_EQ(other.saveEntry(*edit, edit->fields, prompter), GridChange::changed(3, 3));
    std::string expected = recordBytes(before, 30);
    expected.replace(0, 2, std::string("\x1e\x00", 2));
    EXPECT_EQ(recordBytes(testing::readBytes(path), 30), expected);

    const std::string sixty(60, 'l');
    other.saveEntry(*edit, {"changed", "", sixty, "V1", "1 sg.", "ind.\r\npr\xe9s."}, prompter);
    const ThesaurusRecord saved = decodeThesaurusRecord(recordBytes(testing::readBytes(path), 30));
    EXPECT_EQ(saved.recordNo, 30);
    EXPECT_EQ(saved.fields.form, "xc" + std::string(28, ' ')) << "the form is kept";
    EXPECT_EQ(saved.fields.lemma, std::string(50, ' ')) << "empty: spaces, no '_'";
    EXPECT_EQ(saved.fields.translation, sixty + std::string(20, ' '));
    EXPECT_EQ(saved.fields.moodTenseVoice, "ind.\r\npr\xe9s." + std::string(11, ' '));
    EXPECT_EQ(other.table()[29].translation(), saved.fields.translation) << "the table was read again";
    const Grid &grid = other.listing().grid();
    EXPECT_EQ(grid.text(3, 2), sixty);
    EXPECT_EQ(grid.text(3, 0), "xc");
    EXPECT_TRUE(grid.bold(3, 0));
    EXPECT_EQ(testing::readBytes(path).substr(0, 29 * 216), before.substr(0, 29 * 216));

    other.saveEntry(*edit, {"", std::string(60, 'm'), "", "", "", ""}, prompter);
    EXPECT_EQ(decodeThesaurusRecord(recordBytes(testing::readBytes(path), 30)).fields.lemma,
              std::string(50, 'm'));
}

TEST_F(EntryEditing, FileTroublesAreReportedAndLeaveTheBrowserAsItWas) {
    ASSERT_TRUE(other.chooseRow(1));
    const auto edit = other.entryToEdit();
    struct Case {
        const char *name;
        std::function<void()> trouble;
        FileFailure failure;
    };
    const std::string grown = before + std::string(216, 'z');
    for (const Case &c :
         {Case{"grown", [&] { testing::writeBytes(path, grown); }, FileFailure::ChangedSinceRead},
          Case{"vanished", [&] { std::filesystem::remove(path); }, FileFailure::NoSuchFile}}) {
        c.trouble();
        const std::string bytes = std::filesystem::exists(path) ? testing::readBytes(path) : "";
        try {
            other.saveEntry(*edit, {"xa", "nuovo", "", "", "", ""}, prompter);
            ADD_FAILURE() << c.name << ": written";
        } catch (const FileError &error) {
            EXPECT_EQ(error.failure(), c.failure) << c.name;
        }
        prompter.expectYesNo("Cancellazione di una forma", "Vuoi veramente cancellare questa forma?\r\n",
                             true);
        EXPECT_THROW(other.deleteEntry(prompter), FileError) << c.name;
        if (!bytes.empty()) {
            EXPECT_EQ(testing::readBytes(path), bytes) << c.name;
        }
        EXPECT_EQ(listedForms(other), (Forms{"xa", "xb", "xc"})) << c.name;
        EXPECT_EQ(other.listing().grid().text(1, 1), "lemma" + std::string(45, ' ')) << c.name;
        EXPECT_EQ(other.table().size(), 30u) << c.name;
        EXPECT_EQ(other.chosenRow(), 1u) << c.name;
    }
}

TEST_F(Browser, ThesaurusBeyondTheRecordNumbersIsReadWholeAndNotWrittenThere) {
    testing::writeBytes(path, numberedThesaurus(32770, {5, 32769}));
    EXPECT_EQ(other.load(path), 32770u);
    other.filterByLetter('x');
    EXPECT_EQ(listedForms(other), (Forms{"xa", "xb"}));
    EXPECT_EQ(other.resultIndex(), (std::vector<std::string>{"5", "32769"}));
    const std::string before = testing::readBytes(path);
    ASSERT_TRUE(other.chooseRow(2));
    ScriptedPrompter prompter;
    prompter.expectYesNo("Cancellazione di una forma", "Vuoi veramente cancellare questa forma?\r\n", true);
    try {
        other.deleteEntry(prompter);
        ADD_FAILURE() << "written";
    } catch (const FileError &error) {
        EXPECT_EQ(error.failure(), FileFailure::RecordBeyondLimit);
        EXPECT_EQ(error.number(), 32769u);
    }
    EXPECT_EQ(testing::readBytes(path), before);
    EXPECT_EQ(listedForms(other), (Forms{"xa", "xb"}));
}

}  // namespace
}  // namespace orbalis
