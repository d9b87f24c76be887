#include "print/grid_report.h"

#include "records/fixed_text.h"

namespace orbalis {

namespace {

constexpr std::string_view kAnalysisLabels[] = {"Forme: ",
                                                "Lemma : ",
                                                "Traduzione : ",
                                                "Cat. gramm. : ",
                                                "Caso, genere, numero : ",
                                                "Modo, tempi, voce : "};

constexpr std::string_view kLexiconLabels[] = {
    "Lemma: ", "Traduzione : ", "Categoria : ", "Vocaboli francesi derivati : ",
    "Vocaboli latini derivati : "};

// The text's vocabulary: lemma, category, translation, occurrences.
constexpr std::string_view kVocabularyLabels[] = {
    "Lemma : ", "Cat. gramm. : ", "Traduzione : ", "Occorrenze : "};

}  // namespace

std::span<const std::string_view> analysisReportLabels() {
    return kAnalysisLabels;
}
std::span<const std::string_view> lexiconReportLabels() {
    return kLexiconLabels;
}

PrintedReport printGridReport(const Grid &grid, std::span<const std::string_view> labels,
                              std::size_t lastRow) {
    PrintedReport report;
    report.pages.emplace_back();
    std::size_t entries = 0;
    for (std::size_t row = 1; row <= lastRow && row < grid.rowCount(); ++row) {
        ++entries;
        auto &page = report.pages.back();
        for (std::size_t column = 0; column < labels.size(); ++column) {
            page.push_back(std::string(labels[column]) + std::string(trimRight(grid.text(row, column))));
        }
        page.emplace_back(kReportSeparator);
        if (entries == kEntriesPerPage) {
            entries = 0;
            report.pages.emplace_back();
        }
    }
    return report;
}

std::span<const std::string_view> reportLabels(ReportKind kind) {
    switch (kind) {
        case ReportKind::Lexicon:
            return lexiconReportLabels();
        case ReportKind::Vocabulary:
            return kVocabularyLabels;
        case ReportKind::Workspace:
        case ReportKind::ThesaurusBrowser:
            break;
    }
    return analysisReportLabels();
}

std::size_t reportLastRow(const Grid &grid, ReportKind kind) {
    // The workspaces' and the vocabulary's grids end with their last row; a browser's listing
    // ends with an empty row that is never printed.
    const bool listing = kind == ReportKind::ThesaurusBrowser || kind == ReportKind::Lexicon;
    return listing ? browserReportLastRow(grid) : workspaceReportLastRow(grid);
}

PrintedReport printGridReport(const Grid &grid, ReportKind kind) {
    return printGridReport(grid, reportLabels(kind), reportLastRow(grid, kind));
}

}  // namespace orbalis
