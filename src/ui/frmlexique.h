// The lexicon browser: the whole lexicon read once per opening, read only; a search of the
// lemma's beginning (an empty search lists every lemma) and the letter listing.
#pragma once

#include <string>

#include "lexicon/lexicon.h"
#include "ui/results_window.h"

namespace orbalis::ui {

class frmlexique : public ResultsWindow {
    Q_OBJECT
public:
    explicit frmlexique(Desktop &desktop);

    // The load: reads the lexicon at `path` ("Il file 'lexique.dat' non esiste!" when it is
    // missing or empty; nothing is created). Throws FileError when it cannot be read.
    void load(const std::string &path);

    const LexiconBrowser &browser() const { return m_browser; }

protected:
    void search(const std::string &query) override;
    void listLetter(char letter) override;

private:
    LexiconBrowser m_browser;
};

}  // namespace orbalis::ui
