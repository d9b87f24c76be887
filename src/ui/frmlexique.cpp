#include "ui/frmlexique.h"

#include <QGroupBox>

#include "ui/grid_model.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

namespace {

void setCaptionColour(QGroupBox *frame, const QColor &colour) {
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, colour);
    frame->setPalette(palette);
}

}  // namespace

frmlexique::frmlexique(Desktop &desktop)
    : ResultsWindow(desktop, QStringLiteral("Orbalis - Dizionario  (Lemme)"),
                    QStringLiteral("Ricerca di un lemma :"), QStringLiteral("Risultati della ricerca :")) {
    setObjectName(QStringLiteral("frmlexique"));
    setCaptionColour(Frame1, QColor(0xC0, 0x00, 0x00));
    setCaptionColour(Frame2, kDarkBlue);
    attachListing(m_browser.listing(), ReportKind::Lexicon, QStringLiteral("dizionario.pdf"));
    resize(900, 560);
}

void frmlexique::load(const std::string &path) {
    m_browser.open(path, prompter());
    gridModel()->apply(GridChange::reset());
}

void frmlexique::search(const std::string &query) {
    runListing([&] { m_browser.searchLemma(query); });
}

void frmlexique::listLetter(char letter) {
    runListing([&] { m_browser.filterByLetter(letter); });
}

}  // namespace orbalis::ui
