// Printing real reports into PDF files, read back with pdftotext: entries, labels, sheets; the
// dismissed dialog, the empty grid and the failed print; the workspace's menu entries.
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTimer>

#include "analysis/analysis_file.h"
#include "analysis/analysis_grid.h"
#include "print/csv_export.h"
#include "ui/frmanalyse02.h"
#include "ui/grid_view.h"
#include "ui/report_printing.h"
#include "ui_test_support.h"

namespace orbalis::testing {
namespace {

// Prints into the PDF file at `path`, or cancels as a dismissed dialog does.
class PdfPrinting : public ui::Printing {
public:
    bool choosePrinter(QPrinter &printer, QWidget &, const QString &pdfName) override {
        offered = pdfName;
        if (cancel) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (smallPaper) printer.setPageSize(QPageSize(QPageSize::A7));
        return true;
    }
    void preview(QPrinter &printer, QWidget &, const std::function<void(QPrinter &)> &render) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        render(printer);
    }
    QString path;
    bool cancel = false;
    bool smallPaper = false;
    QString offered;
};

class PrintingTest : public UiTest {
protected:
    PrintingTest() {
        auto printing = std::make_unique<PdfPrinting>();
        m_printing = printing.get();
        m_printing->path = QString::fromStdString(m_dir.path("report.pdf"));
        desktop().setPrinting(std::move(printing));
    }
    // The text of the printed PDF, pages ended by form feeds; empty when nothing was printed.
    std::string printedText() {
        if (!QFile::exists(m_printing->path)) return {};
        QProcess pdftotext;
        // -layout: lines as printed (a line ending in a hyphen is not joined to the next).
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), m_printing->path, QStringLiteral("-")});
        EXPECT_TRUE(pdftotext.waitForFinished(10000)) << "pdftotext (poppler-utils) must be installed";
        return pdftotext.readAllStandardOutput().toStdString();
    }
    void print(const Grid &grid, ReportKind kind) {
        QWidget owner;
        ui::printGrid(desktop(), owner, m_prompter, grid, kind, QStringLiteral("roma.pdf"));
    }
    static Grid workspaceGrid(int entries) {
        Grid grid = makeAnalysisGrid();
        setUpGridHeader(grid);
        grid.setRowCount(std::size_t(entries) + 1);
        for (int row = 1; row <= entries; ++row) grid.setText(row, 0, "forma" + std::to_string(row) + "   ");
        return grid;
    }
    static int count(const std::string &text, std::string_view what) {
        int n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
        return n;
    }

    PdfPrinting *m_printing;
};

struct Sheets {
    int entries;
    int sheets;
};

class PrintedSheets : public PrintingTest, public ::testing::WithParamInterface<Sheets> {};

TEST_P(PrintedSheets, TenEntriesASheetAndNoBlankSheetAtTheEnd) {
    const auto [entries, sheets] = GetParam();
    print(workspaceGrid(entries), ReportKind::Workspace);
    const std::string text = printedText();
    EXPECT_EQ(count(text, "\f"), sheets);
    EXPECT_EQ(count(text, "Forme: forma"), entries);
    EXPECT_EQ(count(text, "Modo, tempi, voce :"), entries);
    EXPECT_EQ(count(text, std::string(64, '-')), entries);
    if (entries > 10) {
        const std::string second = text.substr(text.find('\f'));
        EXPECT_EQ(second.find("Forme: forma11"), second.find("Forme: forma"))
            << "a new sheet after the tenth";
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, PrintedSheets,
                         ::testing::Values(Sheets{3, 1}, Sheets{10, 1}, Sheets{20, 2}, Sheets{21, 3}),
                         [](const auto &info) { return std::to_string(info.param.entries); });

TEST_F(PrintingTest, NoRowsMeansNothingSentAndTheUserTold) {
    m_prompter.expectInform("", std::string(ui::kNothingToPrintMessage));
    print(workspaceGrid(0), ReportKind::Workspace);
    Grid noHit(2, 5);
    m_prompter.expectInform("", std::string(ui::kNothingToPrintMessage));
    print(noHit, ReportKind::Lexicon);
    EXPECT_EQ(printedText(), "");
    EXPECT_TRUE(m_printing->offered.isEmpty()) << "no print dialog";
}

TEST_F(PrintingTest, LexiconLabelsAndWrappedLongLines) {
    Grid lexicon(4, 5);  // two hits and the browser's empty last row
    lexicon.setText(1, 0, "amo   ");
    lexicon.setText(2, 0, "amicus");
    const std::string derived(60, 'x');
    lexicon.setText(2, 3, derived + " " + derived + " " + derived);
    print(lexicon, ReportKind::Lexicon);
    const std::string text = printedText();
    EXPECT_NE(text.find("Lemma: amo\n"), std::string::npos);
    EXPECT_EQ(count(text, "Vocaboli latini derivati :"), 2);
    EXPECT_EQ(count(text, derived), 3) << "a line wider than the sheet wraps, nothing is lost";
    EXPECT_EQ(text.find(derived + " " + derived), std::string::npos);
    EXPECT_EQ(count(text, "\f"), 1);
}

TEST_F(PrintingTest, TenEntriesThatDoNotFitBreakThePageEarlyAndLoseNothing) {
    m_printing->smallPaper = true;
    print(workspaceGrid(10), ReportKind::Workspace);
    const std::string text = printedText();
    EXPECT_GT(count(text, "\f"), 1);
    EXPECT_EQ(count(text, "Forme: forma"), 10);
    EXPECT_EQ(count(text, "Modo, tempi, voce :"), 10);
}

TEST_F(PrintingTest, DismissedDialogPrintsNothingAndAFailedPrintIsReported) {
    m_printing->cancel = true;
    print(workspaceGrid(3), ReportKind::Workspace);
    EXPECT_EQ(m_printing->offered, QStringLiteral("roma.pdf"));
    EXPECT_EQ(printedText(), "");
    m_printing->cancel = false;
    m_printing->path = QString::fromStdString(m_dir.path("missing/folder/report.pdf"));
    m_prompter.expectInform("", std::string(ui::kPrintFailedMessage));
    print(workspaceGrid(3), ReportKind::Workspace);
}

TEST_F(PrintingTest, WithoutAPrinterTheDesktopAsksForAPdfFileOfferingTheDocumentsName) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "this machine has a printer";
    ui::QtPrinting printing;
    QWidget owner;
    const QString offered = QString::fromStdString(m_dir.path("roma.pdf"));
    for (const bool accept : {false, true}) {
        QString shown;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog) return;
            shown = dialog->selectedFiles().value(0);
            if (accept)
                QMetaObject::invokeMethod(dialog, "accept");
            else
                dialog->reject();
        });
        QPrinter printer;
        EXPECT_EQ(printing.choosePrinter(printer, owner, offered), accept);
        EXPECT_EQ(shown, offered) << "the save dialog comes first, with the name offered";
        if (accept) {
            EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
            EXPECT_EQ(printer.outputFileName(), offered);
        }
    }
}

TEST_F(PrintingTest, WorkspaceMenusPrintPreviewAndExportWithoutMovingTheSelection) {
    Grid grid = workspaceGrid(12);
    grid.setText(5, 1, "m\xe9tus, \"uno\"");
    const std::string analysis = m_dir.path("roma.dat");
    writeAnalysisFile(analysis, grid);
    auto *workspace = desktop().open<ui::frmanalyse02>(ui::Showing::Modeless, [&](ui::frmanalyse02 &window) {
        window.load(analysis);
        return true;
    });
    clickRow(workspace->grille01, 5);
    const auto chosen = workspace->workspace().grid.currentRow();

    workspace->imprimer->trigger();
    EXPECT_EQ(m_printing->offered, QString::fromStdString(m_dir.path("roma.pdf")));
    EXPECT_EQ(count(printedText(), "Forme: forma"), 12);
    QFile::remove(m_printing->path);
    workspace->apercu->trigger();
    EXPECT_EQ(count(printedText(), "\f"), 2);
    EXPECT_EQ(workspace->workspace().grid.currentRow(), chosen);
    EXPECT_EQ(workspace->Text1->text(), QStringLiteral("forma5"));

    const std::string csv = m_dir.path("roma.csv");
    m_prompter.expectFile(FileRole::Save, csv, std::string(kCsvFilter))
        .expectInform("", "L'esportazione e' conclusa.");
    workspace->exporter->trigger();
    EXPECT_EQ(readBytes(csv), gridCsv(workspace->workspace().grid, ReportKind::Workspace));
    EXPECT_NE(readBytes(csv).find("\"m\xc3\xa9tus, \"\"uno\"\"\""), std::string::npos);
}

}  // namespace
}  // namespace orbalis::testing
