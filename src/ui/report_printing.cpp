#include "ui/report_printing.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>

#include "print/csv_export.h"
#include "prompts/prompter.h"
#include "ui/busy_cursor.h"
#include "ui/command_guard.h"
#include "ui/desktop.h"
#include "ui/text_codec.h"

namespace orbalis::ui {

namespace {

// `text` cut into the pieces that fit `width`, at a blank where there is one.
QStringList wrapped(const QString &text, const QFont &font, QPaintDevice *device, qreal width) {
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList pieces;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        pieces << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    if (pieces.isEmpty()) pieces << QString();
    return pieces;
}

bool hasEntries(const Grid &grid, ReportKind kind) {
    return reportLastRow(grid, kind) >= 1;
}

}  // namespace

bool QtPrinting::choosePrinter(QPrinter &printer, QWidget &owner, const QString &pdfName) {
    WaitingForUser waiting;
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        QFileDialog dialog(&owner, QStringLiteral("Salva come PDF"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QStringLiteral("Documento PDF (*.pdf)"));
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.selectFile(pdfName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dialog.selectedFiles().constFirst());
        return true;
    }
    QPrintDialog dialog(&printer, &owner);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrinting::preview(QPrinter &printer, QWidget &owner, const std::function<void(QPrinter &)> &render) {
    WaitingForUser waiting;
    QPrintPreviewDialog dialog(&printer, &owner);
    dialog.setWindowTitle(QStringLiteral("Anteprima di stampa"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&render](QPrinter *target) { render(*target); });
    dialog.exec();
}

bool renderReport(QPrinter &printer, const PrintedReport &report) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(kReportFontPoints);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal lineHeight = metrics.lineSpacing();
    qreal y = 0;
    bool sheetStarted = false;
    auto newSheet = [&] {
        if (sheetStarted) printer.newPage();
        sheetStarted = true;
        y = 0;
    };
    const QString separator = fromCp1252(kReportSeparator);
    for (const auto &page : report.pages) {
        if (page.empty()) continue;  // the page after a tenth entry that nothing followed
        newSheet();
        std::size_t first = 0;
        while (first < page.size()) {
            // One entry: its lines up to and including the separator, wrapped to the sheet.
            QStringList lines;
            std::size_t end = first;
            while (end < page.size()) {
                const QString line = fromCp1252(page[end++]);
                lines << wrapped(line, font, &printer, area.width());
                if (line == separator) break;
            }
            first = end;
            if (y > 0 && y + lines.size() * lineHeight > area.height()) newSheet();
            for (const QString &line : std::as_const(lines)) {
                if (y > 0 && y + lineHeight > area.height()) newSheet();
                painter.drawText(QPointF(0, y + metrics.ascent()), line);
                y += lineHeight;
            }
        }
    }
    return painter.end();
}

void printGrid(Desktop &desktop, QWidget &owner, Prompter &prompter, const Grid &grid, ReportKind kind,
               const QString &pdfName) {
    if (!hasEntries(grid, kind)) {
        prompter.inform("", std::string(kNothingToPrintMessage), Icon::None);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(pdfName).completeBaseName());
    if (!desktop.printing().choosePrinter(printer, owner, pdfName)) return;
    bool printed = false;
    const bool ran = runCommand(prompter, [&] {
        BusyCursor busy;
        printed = renderReport(printer, printGridReport(grid, kind));
    });
    if (ran && !printed) reportFailure(prompter, kPrintFailedMessage);
}

void previewGrid(Desktop &desktop, QWidget &owner, Prompter &prompter, const Grid &grid, ReportKind kind) {
    if (!hasEntries(grid, kind)) {
        prompter.inform("", std::string(kNothingToPrintMessage), Icon::None);
        return;
    }
    PrintedReport report;
    if (!runCommand(prompter, [&] { report = printGridReport(grid, kind); })) return;
    QPrinter printer(QPrinter::HighResolution);
    desktop.printing().preview(printer, owner, [&](QPrinter &target) {
        if (!renderReport(target, report)) reportFailure(prompter, kPrintFailedMessage);
    });
}

void exportGrid(Prompter &prompter, const Grid &grid, ReportKind kind) {
    runCommand(prompter, [&] { exportGridCsv(grid, kind, prompter); });
}

}  // namespace orbalis::ui
