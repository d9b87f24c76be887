// What the two thesaurus browsers share beyond the results window: the thesaurus read whole at
// opening, the form search, the letter listing and "&Ricerca" > "Per &lemma...", which lists
// every form of a lemma as a paradigm is read.
#pragma once

#include "thesaurus/thesaurus_browser.h"
#include "ui/results_window.h"

namespace orbalis::ui {

class ThesaurusBrowserWindow : public ResultsWindow {
    Q_OBJECT
public:
    const ThesaurusBrowser &browser() const { return m_browser; }

    QAction *lemme;  // "Per &lemma...": every form of a lemma

protected:
    ThesaurusBrowserWindow(Desktop &desktop, BrowserKind kind, const QString &title,
                           const QString &searchCaption, const QString &resultsCaption);

    void search(const std::string &query) override;
    void listLetter(char letter) override;

    ThesaurusBrowser m_browser;

private slots:
    void listLemma();
};

}  // namespace orbalis::ui
