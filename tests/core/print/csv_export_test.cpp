// The export for spreadsheets, read back by a small RFC 4180 reader.
#include <gtest/gtest.h>

#include "analysis/analysis_grid.h"
#include "print/csv_export.h"

namespace orbalis {
namespace {

// Splits RFC 4180 text (CRLF records, quoted fields with doubled quotes) into records.
std::vector<std::vector<std::string>> readCsv(std::string_view text) {
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string &field = records.back().back();
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += c, ++i;
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            records.emplace_back(1);
            ++i;
        } else {
            EXPECT_NE(c, '\n') << "a bare LF ends no record";
            field += c;
        }
    }
    EXPECT_EQ(records.back(), std::vector<std::string>(1)) << "the last record ends with CRLF";
    records.pop_back();
    return records;
}

TEST(CsvExport, RoundTripsAccentsCommasQuotesAndEmptyCells) {
    Grid grid = makeAnalysisGrid();
    setUpGridHeader(grid);
    grid.setRowCount(3);
    grid.setText(1, 0, "g\xe9n\xe9ral   ");
    grid.setText(1, 1, " amo, amas ");
    grid.setText(1, 2, "il \"re\"\r\nnuovo");
    grid.setText(1, 6, "*");
    const std::string csv = gridCsv(grid, ReportKind::Workspace);
    ASSERT_TRUE(csv.starts_with(kUtf8ByteOrderMark));
    const auto records = readCsv(std::string_view(csv).substr(kUtf8ByteOrderMark.size()));
    ASSERT_EQ(records.size(), 3u) << "captions and both rows, the empty one included";
    EXPECT_EQ(records[0], (std::vector<std::string>{"Forme", "Lemma", "Traduzione", "Cat. gramm.",
                                                    "Caso, genere, numero", "Modo, tempi, voce"}));
    EXPECT_EQ(records[1], (std::vector<std::string>{"g\xc3\xa9n\xc3\xa9ral", "amo, amas",
                                                    "il \"re\"\r\nnuovo", "", "", ""}));
    EXPECT_EQ(records[2], std::vector<std::string>(6));
}

TEST(CsvExport, BrowsersLeaveOutTheEmptyLastRowAndTheLexiconHasFiveColumns) {
    Grid lexicon(4, 5);  // header, two hits, the empty last row
    lexicon.setText(0, 0, "Lemma");
    lexicon.setText(1, 0, "amo");
    lexicon.setText(2, 4, "amator");
    EXPECT_EQ(gridCsv(lexicon, ReportKind::Lexicon),
              std::string(kUtf8ByteOrderMark) + "Lemma,,,,\r\namo,,,,\r\n,,,,amator\r\n");
    Grid noHit(2, 6);
    EXPECT_EQ(gridCsv(noHit, ReportKind::ThesaurusBrowser), std::string(kUtf8ByteOrderMark) + ",,,,,\r\n");
}

}  // namespace
}  // namespace orbalis
