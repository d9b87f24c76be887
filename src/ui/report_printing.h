// Printing, previewing and exporting a grid's report, for every window with a grid: give the core
// grid (a workspace's, or a ResultsListing's grid()) and what kind of report it makes.
//
//   printGrid(desktop, window, prompter, grid, ReportKind::Lexicon, pdfName);  // "&Stampare"
//   previewGrid(desktop, window, prompter, grid, kind);                      // "Anteprima di stampa..."
//   exportGrid(prompter, grid, kind);                                        // "&Esporta CSV..."
//
// The grid is only read: its current cell and the window's selection stay where they are.
#pragma once

#include <QString>

#include <functional>

#include "print/grid_report.h"

class QPrinter;
class QWidget;

namespace orbalis {
class Prompter;
}

namespace orbalis::ui {

class Desktop;

inline constexpr std::string_view kNothingToPrintMessage = "Non ci sono righe da stampare.";
inline constexpr std::string_view kPrintFailedMessage = "La stampa non e' riuscita.";

// Where a document goes: the dialogs that choose a printer and show a preview. The desktop's is
// Qt's; tests give one that writes PDF files.
class Printing {
public:
    virtual ~Printing() = default;
    // Sets `printer` up for one document: the print dialog (which also offers a PDF file), or, on
    // a machine without any printer, a save dialog for a PDF file offering `pdfName`. False when
    // the user cancelled: nothing is printed then.
    virtual bool choosePrinter(QPrinter &printer, QWidget &owner, const QString &pdfName) = 0;
    // Shows the pages `render` draws in the preview dialog, from which the user may print.
    virtual void preview(QPrinter &printer, QWidget &owner,
                         const std::function<void(QPrinter &)> &render) = 0;
};

class QtPrinting : public Printing {
public:
    bool choosePrinter(QPrinter &printer, QWidget &owner, const QString &pdfName) override;
    void preview(QPrinter &printer, QWidget &owner, const std::function<void(QPrinter &)> &render) override;
};

// Draws `report` on `printer`: Verdana 9 points (or the platform's substitute), every line from
// the left edge of the printable area. Its pages of ten entries become sheets; an entry that no
// longer fits starts a new sheet early, a line wider than the sheet wraps, and no blank sheet
// ends the document. False when the printer could not be started.
bool renderReport(QPrinter &printer, const PrintedReport &report);

// "&Stampare": tells the user when there is no row to print; otherwise asks where to print
// (PDF name offered: `pdfName`) and prints, reporting a failure in a message box.
void printGrid(Desktop &desktop, QWidget &owner, Prompter &prompter, const Grid &grid, ReportKind kind,
               const QString &pdfName);
// "Anteprima di stampa...": the same pages in the preview dialog.
void previewGrid(Desktop &desktop, QWidget &owner, Prompter &prompter, const Grid &grid, ReportKind kind);
// "&Esporta CSV...": the export for spreadsheets, through the save dialog; failures shown.
void exportGrid(Prompter &prompter, const Grid &grid, ReportKind kind);

}  // namespace orbalis::ui
