// The printed report as pages of labelled lines: labels, trimming, ten entries to a page.
#include <gtest/gtest.h>

#include "analysis/analysis_grid.h"
#include "print/grid_report.h"

namespace orbalis {
namespace {

Grid workspaceGrid(std::size_t rows) {
    Grid grid = makeAnalysisGrid();
    setUpGridHeader(grid);
    grid.setRowCount(rows);
    for (std::size_t row = 1; row < rows; ++row) {
        grid.setText(row, 0, "forma" + std::to_string(row));
        grid.setText(row, 1, "amo" + std::string(47, ' '));
        grid.setText(row, 6, "*");
    }
    return grid;
}

TEST(Report, EachEntryIsSixLabelledLinesAndASeparator) {
    Grid grid = workspaceGrid(3);
    const PrintedReport report = printGridReport(grid, analysisReportLabels(), workspaceReportLastRow(grid));
    ASSERT_EQ(report.pages.size(), 1u);
    const std::vector<std::string> first(report.pages[0].begin(), report.pages[0].begin() + 7);
    EXPECT_EQ(first, (std::vector<std::string>{"Forme: forma1", "Lemma : amo",
                                               "Traduzione : ", "Cat. gramm. : ", "Caso, genere, numero : ",
                                               "Modo, tempi, voce : ", std::string(64, '-')}));
    EXPECT_EQ(report.pages[0].size(), 14u) << "the indicator column is not printed";
    EXPECT_EQ(grid.currentRow(), 0u) << "printing leaves the current cell alone";
}

TEST(Report, TenEntriesToAPageWithABreakAfterEveryTenth) {
    Grid grid = workspaceGrid(21);  // 20 entries
    const PrintedReport report = printGridReport(grid, analysisReportLabels(), workspaceReportLastRow(grid));
    ASSERT_EQ(report.pages.size(), 3u);
    EXPECT_EQ(report.pages[0].size(), 70u);
    EXPECT_EQ(report.pages[1].front(), "Forme: forma11");
    EXPECT_EQ(report.pages[1].size(), 70u);
    EXPECT_TRUE(report.pages[2].empty());
    Grid eleven = workspaceGrid(12);
    EXPECT_EQ(printGridReport(eleven, analysisReportLabels(), 11).pages.back().size(), 7u);
}

TEST(Report, BrowserListingsLeaveOutTheirEmptyLastRow) {
    Grid lexicon(5, 5);  // three hits and the empty last row
    for (std::size_t row = 1; row <= 3; ++row) lexicon.setText(row, 0, "amo   ");
    const PrintedReport report =
        printGridReport(lexicon, lexiconReportLabels(), browserReportLastRow(lexicon));
    ASSERT_EQ(report.pages.size(), 1u);
    EXPECT_EQ(report.pages[0].size(), 18u);
    EXPECT_EQ(report.pages[0][0], "Lemma: amo");
    EXPECT_EQ(report.pages[0][4], "Vocaboli latini derivati : ");
    Grid noHit(2, 6);
    EXPECT_TRUE(printGridReport(noHit, analysisReportLabels(), browserReportLastRow(noHit)).pages[0].empty());
}

}  // namespace
}  // namespace orbalis
