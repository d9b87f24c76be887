// The thesaurus entry editor, modal over the other thesaurus's browser: the chosen row's texts
// in six fields (the form cannot be changed), "Salva" writes them back through the browser,
// "Cancella" and "&Esci" write nothing. Closing it unloads its three keypads.
#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>

#include "thesaurus/thesaurus_browser.h"

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orbalis::ui {

class Desktop;

// What the editor is opened on, and how it saves: `save` writes the edited fields back through
// the browser that opened it (record and grid row) and returns false when it could not (the
// failure was then shown with the prompter given).
struct EntryEditing {
    EntryEdit entry;
    std::string path;  // the thesaurus file
    std::function<bool(const AnalysisFields &, Prompter &)> save;
};

class Thesaurusmodification : public QMainWindow {
    Q_OBJECT
public:
    explicit Thesaurusmodification(Desktop &desktop);
    ~Thesaurusmodification() override;

    // The load: the fields show the entry's texts.
    void load(EntryEditing editing);

    // The fields as the core sees them (line breaks as CR LF).
    AnalysisFields fields() const;

    QLineEdit *Text1;         // "Forma :", disabled
    QPlainTextEdit *Text2;    // "Lemma :"
    QPlainTextEdit *Text3;    // "Traduzione :"
    QPlainTextEdit *Text4;    // "Cat. gramm. :"
    QPlainTextEdit *Text5;    // "Caso, genere, numero :"
    QPlainTextEdit *Text6;    // "Modo, tempi, voce :"
    QLineEdit *Text7;         // hidden: the entry's record number
    QPushButton *Command1_b;  // the category keypad
    QPushButton *Command3;    // the case, gender, number keypad
    QPushButton *Command4;    // the mood, tense, voice keypad
    QPushButton *Command5;    // "P2": the card of category codes
    QPushButton *Command6;    // "P3": the card of descriptors
    QPushButton *Command2;    // "Salva"
    QPushButton *Command1;    // "Cancella"
    QAction *quitter;         // "&Esci"
    QAction *about;           // "&A proposito"

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void save();

private:
    Desktop &m_desktop;
    std::unique_ptr<Prompter> m_prompter;
    EntryEditing m_editing;
};

}  // namespace orbalis::ui
