// The main window: the loaded text and the menus from which every other window is reached.
#pragma once

#include <QMainWindow>

#include <memory>
#include <string>

class QAction;
class QGroupBox;
class QLabel;
class QPlainTextEdit;

namespace orbalis {
class Prompter;
}

namespace orbalis::ui {

class Desktop;

class Morphologique : public QMainWindow {
    Q_OBJECT
public:
    explicit Morphologique(Desktop &desktop);
    ~Morphologique() override;

    // The loaded text exactly as the file gave it (Windows-1252), and its path; both empty while
    // no text is loaded. An analysis is opened on them.
    const std::string &text() const;
    const std::string &textPath() const { return m_textPath; }

    // "&Aprire un testo..." on a path already chosen (the file named on the command line).
    void loadTextFrom(const std::string &path);

    // "&Schedario"
    QAction *ouvrir;   // "&Aprire un testo...": load a text
    QAction *fermer;   // "&Chiudi": close the text
    QAction *quitter;  // "&Esci": end the application
    // "&Programma"
    QAction *analyse;           // "&Analisi testuale": the thesaurus choice
    QAction *ouvriranalyse;     // "&Aprire un'analisi...": re-open an analysis file
    QAction *lexique;           // "&Dizionario (Lemme)": the lexicon browser
    QAction *thesaurusorbalis;  // "&Thesaurus (Forme)" > "&Orbalis": the built-in thesaurus browser
    QAction *thesaurusautre;    // "&Thesaurus (Forme)" > "&Altro Thesaurus": another thesaurus's browser
    QAction *about;             // "&Aiuto" > "&A proposito": the about box

    QGroupBox *Frame1;           // the frame "Testo"
    QLabel *lblFichier;          // the loaded file's path, or the prompt to load one
    QPlainTextEdit *txtfichier;  // the loaded text

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void loadText();
    void closeText();
    void openAnalysis();
    void reopenAnalysis();

private:
    void buildMenus();
    // `asWritten`: the UTF-8 text as written when it holds what Windows-1252 lacks, else empty.
    void showText(const std::string &path, std::string text, const std::string &asWritten);

    Desktop &m_desktop;
    std::unique_ptr<Prompter> m_prompter;
    std::shared_ptr<const std::string> m_text;  // shared with the analyses opened on it
    std::string m_textPath;
};

}  // namespace orbalis::ui
