// What the two analysis workspaces share: the grid over the workspace's rows, the edit panel with
// its six fields, and the editing commands. frmanalyse fills its grid by a lookup; frmanalyse02
// from an analysis file.
#pragma once

#include <QMainWindow>
#include <QStringList>

#include <optional>

#include "analysis/analysis_grid.h"
#include "analysis/editing.h"

class QAction;
class QCheckBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orbalis::ui {

class Desktop;
class FrozenColumnView;
class GridModel;

class AnalysisWindow : public QMainWindow {
    Q_OBJECT
public:
    ~AnalysisWindow() override;

    const AnalysisWorkspace &workspace() const { return m_workspace; }
    GridModel *gridModel() const { return m_model; }

    // The edit fields as the core sees them.
    AnalysisFields fields() const;

    QFrame *Frame1;              // left panel: the grid
    FrozenColumnView *grille01;  // the analysis grid, one row per analysis
    QFrame *Frame2;              // right panel: the edit panel
    QLineEdit *Text1;            // "Forma :"
    QLineEdit *Text2;            // "Lemma :"
    QLineEdit *Text3;            // "Traduzione :"
    QLineEdit *Text4;            // "Cat. gramm. :", written by the category keypad
    QLineEdit *Text5;            // "Caso, genere, numero", written by the case keypad
    QLineEdit *Text6;            // "Modo, tempi, voce :", written by the mood keypad
    QPushButton *Command1_b;     // the category keypad
    QPushButton *Command1_a;     // the case, gender, number keypad
    QPushButton *Command4;       // "P2": the card of category codes
    QPushButton *Command5;       // "P3": the card of descriptors
    QPushButton *Command2;       // picture button: applyEdit
    QPushButton *Command3;       // picture button: deleteRow
    QCheckBox *Check1;           // "Salva le forme e l'analisi nel Thesaurus"

    QAction *enregistrer;       // "&Salva"
    QAction *imprimer;          // "&Stampare"
    QAction *quitter;           // "&Esci"
    QAction *dupliquer;         // "&Duplicare una linea"
    QAction *thesaurusorbalis;  // "&Orbalis": the built-in thesaurus browser
    QAction *thesaurusautre;    // "&Altro Thesaurus": another thesaurus's browser
    QAction *lexique;           // "&Dizionario (lemma)": the lexicon browser
    QAction *about;             // "&A proposito"

protected:
    enum class Variant { Analysis, Reopened };
    AnalysisWindow(Desktop &desktop, Variant variant, const char *name, QWidget *parent);

    // Where applyEdit adds the analysis, when Check1 asks for it.
    virtual std::optional<ThesaurusAddition> thesaurusAddition() const = 0;

    // Replaces the whole workspace (the load) and shows it.
    void setWorkspace(AnalysisWorkspace workspace);
    // The window names this workspace unloads with itself (its keypads; the choice window).
    void addOwnedWindow(const QString &name) { m_ownedWindows << name; }

    void closeEvent(QCloseEvent *event) override;

    Desktop &m_desktop;
    AnalysisWorkspace m_workspace;
    QPushButton *m_moodKeypad;  // Command6 or Command1_c

private slots:
    void rowActivated(const QModelIndex &current);
    void applyToRow();
    void deleteSelectedRow();
    void duplicateSelectedRow();
    void save();
    void openKeypad();

private:
    QLineEdit *addField(QWidget *panel, QGridLayout *layout, int row, const char *name,
                        const QString &caption);
    void buildMenus();
    void showFields(const AnalysisFields &fields);
    void selectGridRow(std::size_t gridRow);

    GridModel *m_model;
    QStringList m_ownedWindows;
    bool m_selecting = false;
};

}  // namespace orbalis::ui
