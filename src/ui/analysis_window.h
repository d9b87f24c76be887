// What the two analysis workspaces share: the grid over the workspace's rows, the edit panel with
// its six fields, the editing commands, and a status bar that says what is analysed against
// which thesaurus. frmanalyse fills its grid by a lookup; frmanalyse02 from an analysis file.
#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

#include "analysis/analysis_grid.h"
#include "analysis/editing.h"

class QAction;
class QCheckBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orbalis {
class Prompter;
}

namespace orbalis::ui {

class Desktop;
class GridModel;
class GridView;

class AnalysisWindow : public QMainWindow {
    Q_OBJECT
public:
    ~AnalysisWindow() override;

    const AnalysisWorkspace &workspace() const { return m_workspace; }
    GridModel *gridModel() const { return m_model; }

    // The edit fields as the core sees them.
    AnalysisFields fields() const;

    QFrame *Frame1;           // left panel: the grid
    GridView *grille01;       // the analysis grid, one row per analysis
    QFrame *Frame2;           // right panel: the edit panel
    QLineEdit *Text1;         // "Forma :"
    QLineEdit *Text2;         // "Lemma :"
    QLineEdit *Text3;         // "Traduzione :"
    QLineEdit *Text4;         // "Cat. gramm. :", written by the category keypad
    QLineEdit *Text5;         // "Caso, genere, numero", written by the case keypad
    QLineEdit *Text6;         // "Modo, tempi, voce :", written by the mood keypad
    QPushButton *Command1_b;  // the category keypad
    QPushButton *Command1_a;  // the case, gender, number keypad
    QPushButton *Command4;    // "P2": the card of category codes
    QPushButton *Command5;    // "P3": the card of descriptors
    QPushButton *Command2;    // picture button: applyEdit
    QPushButton *Command3;    // picture button: deleteRow
    QCheckBox *Check1;        // "Salva le forme e l'analisi nel Thesaurus"

    QAction *enregistrer;       // "&Salva"
    QAction *imprimer;          // "&Stampare"
    QAction *apercu;            // "Anteprima di stampa..."
    QAction *exporter;          // "&Esporta CSV..."
    QAction *quitter;           // "&Esci"
    QAction *dupliquer;         // "&Duplicare una linea"
    QAction *suggerisci;        // "&Suggerisci analisi" (F7): proposals for the unknown forms
    QAction *accetta;           // "&Accetta i suggerimenti": every proposal into the thesaurus
    QAction *sconosciuta;       // "&Forma sconosciuta successiva" (F3)
    QAction *lessico;           // "&Lessico del testo...": the vocabulary window
    QAction *supprimer;         // Delete on the grid: deleteRow, as the bin button
    QAction *thesaurusorbalis;  // "&Orbalis": the built-in thesaurus browser
    QAction *thesaurusautre;    // "&Altro Thesaurus": another thesaurus's browser
    QAction *lexique;           // "&Dizionario (lemma)": the lexicon browser
    QAction *about;             // "&A proposito"

    // The status bar: what is analysed, against which thesaurus, the rows, the unknown forms.
    QLabel *statusSource;
    QLabel *statusThesaurus;
    QLabel *statusRows;
    QLabel *statusUnknown;
    QLabel *statusKnown;     // "… forme note"
    QLabel *statusProposed;  // "… forme proposte"

protected:
    enum class Variant { Analysis, Reopened };
    AnalysisWindow(Desktop &desktop, Variant variant);

    // Where applyEdit adds the analysis, when Check1 asks for it.
    virtual std::optional<ThesaurusAddition> thesaurusAddition() const = 0;
    // Where "&Accetta i suggerimenti" adds the proposals: nullopt for the built-in thesaurus; the
    // re-opened workspace asks for its thesaurus first when it has none yet.
    virtual std::optional<ThesaurusAddition> proposalsThesaurus() = 0;
    // The thesaurus the proposals' spellings and enclitics are looked up in.
    virtual const ThesaurusTable &proposalsTable();
    // The names file of the data directory (empty when missing), read once.
    const ThesaurusTable &namesTable();

    // Replaces the whole workspace (the load) and shows it.
    void setWorkspace(AnalysisWorkspace workspace);
    // What the status bar names: "Testo: …" or "Analisi: …", and the thesaurus.
    void setSource(const QString &source);
    void setThesaurusName(const QString &thesaurus);
    // The window names this workspace unloads with itself (its keypads; the choice window).
    void addOwnedWindow(const QString &name) { m_ownedWindows << name; }
    // The file the workspace comes from (the text, or the analysis file): its name, with ".pdf",
    // is offered for a printed PDF.
    void setDocumentPath(const QString &path) { m_documentPath = path; }

    void closeEvent(QCloseEvent *event) override;

    Prompter &prompter() const { return *m_prompter; }

    Desktop &m_desktop;
    AnalysisWorkspace m_workspace;
    QPushButton *m_moodKeypad;  // Command6 or Command1_c

private slots:
    void rowChosen(std::size_t gridRow);
    void applyToRow();
    void deleteSelectedRow();
    void duplicateSelectedRow();
    void save();
    void openKeypad();
    void print();
    void preview();
    void exportCsv();
    void suggestAnalyses();
    void acceptSuggestions();
    void nextUnknownForm();
    void showVocabulary();

private:
    QLineEdit *addField(QWidget *panel, QGridLayout *layout, int row, const char *name,
                        const QString &caption);
    void buildMenus();
    void showFields(const AnalysisFields &fields);
    // Shows what a command did to the grid, and the counts it changed.
    void showChange(const GridChange &change);
    void updateStatus();

    std::unique_ptr<Prompter> m_prompter;
    // The built-in thesaurus, read on first need by a workspace that has no thesaurus of its own.
    std::optional<ThesaurusTable> m_builtInTable;
    std::optional<ThesaurusTable> m_namesTable;
    GridModel *m_model;
    QStringList m_ownedWindows;
    QString m_documentPath;
    // The names of this workspace's keypads: category, case, mood.
    QString m_categoryKeypad, m_caseKeypad, m_moodKeypadName;
    bool m_frenchMoodFrames;
};

// "12 forme sconosciute (1,6 %)": the status bar's count of unknown forms.
QString unknownFormsText(const GridSummary &summary);

}  // namespace orbalis::ui
