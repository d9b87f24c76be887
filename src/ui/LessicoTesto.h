// The vocabulary of a text: the distinct lemmas of a workspace's grid with their category,
// translation and number of occurrences, in the grid look of every list. Opened by "&Lessico del
// testo..." of either workspace; a further opening shows the vocabulary of the workspace asking.
#pragma once

#include <QMainWindow>

#include <memory>
#include <vector>

#include "analysis/grid.h"
#include "analysis/vocabulary.h"

class QAction;
class QLabel;

namespace orbalis {
class Prompter;
}

namespace orbalis::ui {

class Desktop;
class GridModel;
class GridView;

class LessicoTesto : public QMainWindow {
    Q_OBJECT
public:
    explicit LessicoTesto(Desktop &desktop);
    ~LessicoTesto() override;

    // Shows `entries`, the vocabulary of what `source` names ("Testo: bg1.txt").
    void showVocabulary(const std::vector<VocabularyEntry> &entries, const QString &source);
    const Grid &grid() const { return m_grid; }

    GridView *grilleLessico;
    QAction *imprimer;  // "&Stampare"
    QAction *apercu;    // "Anteprima di stampa..."
    QAction *exporter;  // "&Esporta CSV..."
    QAction *quitter;   // "&Esci"
    QLabel *statusSource;
    QLabel *statusLemmas;

private:
    Desktop &m_desktop;
    std::unique_ptr<Prompter> m_prompter;
    Grid m_grid;
    GridModel *m_model;
};

}  // namespace orbalis::ui
