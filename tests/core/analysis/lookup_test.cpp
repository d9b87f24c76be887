// The lookup that fills the analysis grid: known cases, and the indexed lookup checked against
// the literal step-by-step scan on thousands of random tables and texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <random>

#include "analysis/analysis_grid.h"
#include "literal_lookup.h"
#include "records/fixed_text.h"
#include "text/encoding.h"

namespace orbalis {
namespace {

using namespace analysis_columns;

struct Entry {
    std::string form;
    std::string lemma;
};

ThesaurusTable tableOf(const std::vector<Entry> &entries) {
    std::string bytes;
    std::int16_t number = 1;
    for (const Entry &entry : entries) {
        ThesaurusRecord record;
        record.recordNo = number++;
        record.fields = {entry.form, entry.lemma, "tr-" + entry.lemma, "N1", "nom. f. sg.", "_"};
        bytes += encodeThesaurusRecord(record);
    }
    return ThesaurusTable::fromRecords(bytes, EntryTrim::FormOnly);
}

ThesaurusTable emptyFileTable() {
    ThesaurusTable table;
    table.appendSentinels();
    return table;
}

// A grid as the workspace's load leaves it before the lookup.
Grid freshGrid(const FormList &forms) {
    Grid grid = makeAnalysisGrid();
    setUpGridHeader(grid);
    grid.setRowCount(1 + forms.size());
    return grid;
}

Grid lookUp(const std::string &text, const ThesaurusTable &table, LookupMode mode) {
    const FormList forms = tokenizeText(text);
    Grid grid = freshGrid(forms);
    fillAnalysisGrid(grid, forms, table, mode);
    return grid;
}

// Row r as "form|lemma|indicator", analysis texts trimmed.
std::string rowText(const Grid &grid, std::size_t row) {
    return grid.text(row, kForm) + "|" + std::string(trimRight(grid.text(row, kLemma))) + "|" +
           grid.text(row, kIndicator);
}

std::vector<std::string> rowsOf(const Grid &grid) {
    std::vector<std::string> rows;
    for (std::size_t row = 1; row < grid.rowCount(); ++row) rows.push_back(rowText(grid, row));
    return rows;
}

using Rows = std::vector<std::string>;

TEST(Lookup, UnknownFormGetsAMarkedRow) {
    const Grid grid = lookUp("Roma est\r\n", tableOf({{"roma", "Roma"}, {"sum", "sum"}}), LookupMode::Full);
    EXPECT_EQ(rowsOf(grid), (Rows{"Roma|Roma|", "est|_|*"}));
    for (std::size_t column = kLemma; column <= kMoodTenseVoice; ++column)
        EXPECT_EQ(grid.text(2, column), "_");
    EXPECT_TRUE(grid.bold(2, kForm));
    EXPECT_EQ(grid.colour(2, kForm), TextColour::DarkBlue);
    EXPECT_EQ(grid.colour(2, kLemma), TextColour::Default);
}

// Which rows a text gets: case, the sorted scan's early stop, sentinels, deleted entries, and the
// trailing empty row that follows a found last form only.
TEST(Lookup, RowsOfKnownTexts) {
    struct Case {
        const char *text;
        std::vector<Entry> entries;  // empty: a thesaurus file that is empty
        std::vector<LookupMode> modes;
        Rows rows;
    };
    const std::vector<Entry> amo{{"amo", "amo"}, {"amor", "amor"}, {"amicus", "amicus"}};
    const std::vector<LookupMode> both{LookupMode::Sorted, LookupMode::Full};
    const std::vector<Case> cases{
        {"ROMA \xc9TAT",
         {{"roma", "Roma"}, {"\xe9tat", "etat"}},
         both,
         {"ROMA|Roma|", "\xc9TAT|etat|", "||"}},
        {"amicus", amo, {LookupMode::Sorted}, {"amicus|_|*"}},
        {"amicus", amo, {LookupMode::Full}, {"amicus|amicus|", "||"}},
        {"\xe6gis", amo, {LookupMode::Sorted}, {"\xe6gis|_|*"}},  // after every entry: æ is 230
        {"a zzzzzzz ZZZZZZZ zzzzzzzz", {}, both, {"a|_|*", "zzzzzzz|_|*", "ZZZZZZZ|_|*", "zzzzzzzz|_|*"}},
        {"x", {{"$$$", "x"}, {"", "y"}}, both, {"x|_|*"}},
        {"12 -- ?", {{"a", "a"}}, both, {}},
        {"a b", {{"a", "a"}, {"b", "b"}}, both, {"a|a|", "b|b|", "||"}},
        {"b c", {{"a", "a"}, {"b", "b"}}, both, {"b|b|", "c|_|*"}},
    };
    for (const Case &c : cases)
        for (const LookupMode mode : c.modes) {
            const auto table = c.entries.empty() ? emptyFileTable() : tableOf(c.entries);
            EXPECT_EQ(rowsOf(lookUp(c.text, table, mode)), c.rows)
                << "'" << c.text << "'" << (mode == LookupMode::Sorted ? " sorted" : " full");
        }
}

TEST(Lookup, HomographRowsAreConsecutiveAndOrange) {
    const auto table = tableOf({{"est", "sum"}, {"Roma", "Roma"}, {"est", "edo"}});
    for (const auto mode : {LookupMode::Full, LookupMode::Sorted}) {
        const Grid grid = lookUp("est Roma", table, mode);
        EXPECT_EQ(rowsOf(grid), (Rows{"est|sum|", "est|edo|", "Roma|Roma|", "||"}));
        EXPECT_EQ(grid.colour(3, kLemma), TextColour::Default);
        for (std::size_t row : {1u, 2u})
            for (std::size_t column = kLemma; column <= kMoodTenseVoice; ++column)
                EXPECT_EQ(grid.colour(row, column), TextColour::Orange);
        EXPECT_EQ(grid.text(1, kLemma), "sum" + std::string(47, ' ')) << "analysis texts keep their padding";
    }
}

// --- The indexed lookup against the literal scan ---

// Forms drawn from a small alphabet collide often: homographs, case variants, prefixes.
std::string randomForm(std::mt19937 &random) {
    static const std::string kLetters = "abAB\xe9\xc9z";
    std::string form;
    const int length = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < length; ++i) form += kLetters[random() % kLetters.size()];
    return form;
}

std::string randomTableForm(std::mt19937 &random) {
    switch (random() % 12) {
        case 0:
            return "$$$";
        case 1:
            return "zzzzzzz";
        case 2:
            return "\x8a" + randomForm(random);  // Š: never in a text's forms
        case 3:
            return "\xe6"
                   "b";  // after z
        case 4:
            return "";
        default:
            return randomForm(random);
    }
}

// Half the forms of a text come from the table, in random case, so that most texts find some.
std::string randomText(std::mt19937 &random, const ThesaurusTable &table) {
    static const char *const kSeparators[] = {" ", ", ", "\r\n", "-", "1", "\x9c"};
    std::string text;
    const int forms = static_cast<int>(random() % 25);
    for (int i = 0; i < forms; ++i) {
        std::string form = randomForm(random);
        if (random() % 10 == 0)
            form = random() % 2 ? "zzzzzzz"
                                : "\xe6"
                                  "b";
        if (random() % 2 && !table.empty()) {
            form = std::string(table[random() % table.size()].form());
            for (char &c : form)
                if (random() % 2) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        text += form;
        if (i + 1 < forms || random() % 2) text += kSeparators[random() % 6];
    }
    return text;
}

ThesaurusTable randomTable(std::mt19937 &random) {
    const auto shape = random() % 8;
    if (shape == 0) return emptyFileTable();
    std::vector<Entry> entries(random() % 20);
    int lemma = 0;
    for (Entry &entry : entries) entry = {randomTableForm(random), "l" + std::to_string(lemma++)};
    if (shape < 5)  // mostly sorted, as the built-in thesaurus is; stable, so homographs keep their order
        std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
            return lowerCp1252(a.form) < lowerCp1252(b.form);
        });
    ThesaurusTable table = tableOf(entries);
    if (shape == 7) {  // an empty thesaurus whose table has since had analyses appended
        ThesaurusTable grown = emptyFileTable();
        for (const ThesaurusEntry &entry : table) {
            ThesaurusRecord record;
            record.fields.form = std::string(entry.form());
            record.fields.lemma = std::string(entry.lemma());
            grown.append(record, EntryTrim::FormOnly);
        }
        return grown;
    }
    return table;
}

void expectSameGrid(const Grid &indexed, const Grid &literal, const std::string &context) {
    ASSERT_EQ(indexed.rowCount(), literal.rowCount()) << context;
    for (std::size_t row = 0; row < literal.rowCount(); ++row)
        for (std::size_t column = 0; column < kCount; ++column) {
            ASSERT_EQ(indexed.text(row, column), literal.text(row, column)) << context << " row " << row;
            ASSERT_EQ(indexed.colour(row, column), literal.colour(row, column)) << context << " row " << row;
            ASSERT_EQ(indexed.bold(row, column), literal.bold(row, column)) << context << " row " << row;
        }
    ASSERT_EQ(indexed.currentRow(), literal.currentRow()) << context;
    ASSERT_EQ(indexed.currentColumn(), literal.currentColumn()) << context;
}

// A fresh seed per run; ORBALIS_LOOKUP_SEED=N replays the run that printed "seed N".
unsigned lookupSeed() {
    if (const char *replay = std::getenv("ORBALIS_LOOKUP_SEED"))
        return static_cast<unsigned>(std::stoul(replay));
    return std::random_device{}();
}

TEST(LookupEquivalence, IndexedLookupMatchesTheLiteralScan) {
    const unsigned seed = lookupSeed();
    std::mt19937 random(seed);
    for (int round = 0; round < 4000; ++round) {
        const ThesaurusTable table = randomTable(random);
        const FormList forms = tokenizeText(randomText(random, table));
        for (const auto mode : {LookupMode::Sorted, LookupMode::Full}) {
            Grid indexed = freshGrid(forms);
            Grid literal = freshGrid(forms);
            const std::size_t indexedNext = fillAnalysisGrid(indexed, forms, table, mode);
            const std::size_t literalNext = reference::literalFillAnalysisGrid(literal, forms, table, mode);
            const std::string context =
                "seed " + std::to_string(seed) + " (replay: ORBALIS_LOOKUP_SEED=" + std::to_string(seed) +
                ") round " + std::to_string(round) + (mode == LookupMode::Sorted ? " sorted" : " full");
            ASSERT_EQ(indexedNext, literalNext) << context;
            expectSameGrid(indexed, literal, context);
            if (HasFatalFailure()) return;
        }
    }
}

}  // namespace
}  // namespace orbalis
