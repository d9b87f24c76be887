// What the three browsers share (the two thesaurus browsers and the lexicon browser): the banner,
// a search frame with its field and picture button, a results frame with the grid and the
// message shown in its place when a listing found nothing, and the menus "&Schedario",
// "&Ricerca" with its 26 letters, and "&Aiuto". The listings are the core's; this window only
// runs them under the busy pointer and shows what they left in the grid.
#pragma once

#include <QMainWindow>

#include <memory>
#include <string>

#include "print/grid_report.h"
#include "ui/busy_cursor.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace orbalis {
class Prompter;
class ResultsListing;
}  // namespace orbalis

namespace orbalis::ui {

class Desktop;
class GridModel;
class GridView;

class ResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    ~ResultsWindow() override;

    GridModel *gridModel() const { return m_model; }
    // The letter entry "&A" … "&Z" (la … lz) of "&Ricerca" > "&Alfabetico".
    QAction *letterEntry(char letter) const;

    QGroupBox *Frame1;      // the search frame
    QLineEdit *Text1;       // the search text
    QPushButton *Command1;  // the search button ("Cerca")
    QGroupBox *Frame2;      // the results frame
    GridView *grille02;     // the results
    QLabel *Labelgrille;    // shown in the grid's place when a listing found nothing

    QAction *imprimer;  // "&Stampare"
    QAction *apercu;    // "Anteprima di stampa..."
    QAction *exporter;  // "&Esporta CSV..."
    QAction *quitter;   // "&Esci"
    QMenu *recherche;   // "&Ricerca"
    QAction *about;     // "&A proposito"

protected:
    ResultsWindow(Desktop &desktop, const QString &title, const QString &searchCaption,
                  const QString &resultsCaption);

    // Shows `listing`'s grid, printed and exported as a report of `kind` (a PDF offered as
    // `pdfName`); called once by the window's own constructor.
    void attachListing(ResultsListing &listing, ReportKind kind, const QString &pdfName);
    // Runs a listing of the core under the busy pointer and shows its result.
    template <class Listing>
    void runListing(Listing &&listing);
    // The whole grid changed: the views read it again.
    void showListing();

    virtual void search(const std::string &query) = 0;
    virtual void listLetter(char letter) = 0;

    Prompter &prompter() const { return *m_prompter; }

    Desktop &m_desktop;

private:
    std::unique_ptr<Prompter> m_prompter;
    ResultsListing *m_listing = nullptr;
    GridModel *m_model = nullptr;
};

template <class Listing>
void ResultsWindow::runListing(Listing &&listing) {
    BusyCursor busy;
    std::forward<Listing>(listing)();
    showListing();
}

}  // namespace orbalis::ui
