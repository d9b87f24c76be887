#include "ui/thesaurus_browser_window.h"

#include <QAction>
#include <QMenu>

#include "ui/grid_view.h"
#include "ui/menus.h"

namespace orbalis::ui {

ThesaurusBrowserWindow::ThesaurusBrowserWindow(Desktop &desktop, BrowserKind kind, const QString &title,
                                               const QString &searchCaption, const QString &resultsCaption)
    : ResultsWindow(desktop, title, searchCaption, resultsCaption), m_browser(kind) {
    attachListing(m_browser.listing(), ReportKind::ThesaurusBrowser, QStringLiteral("thesaurus.pdf"));
    lemme = addEntry(recherche, "lemme", QStringLiteral("Per &lemma..."));
    connect(lemme, &QAction::triggered, this, &ThesaurusBrowserWindow::listLemma);
    resize(780, 560);
}

void ThesaurusBrowserWindow::search(const std::string &query) {
    runListing([&] { m_browser.searchForm(query); });
}

void ThesaurusBrowserWindow::listLetter(char letter) {
    runListing([&] { m_browser.filterByLetter(letter); });
}

void ThesaurusBrowserWindow::listLemma() {
    const auto lemma = prompter().askText("Forme di un lemma", "Lemma :");
    if (!lemma) return;
    runListing([&] { m_browser.listLemma(*lemma); });
}

}  // namespace orbalis::ui
