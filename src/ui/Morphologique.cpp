#include "ui/Morphologique.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "prompts/prompter.h"
#include "text/text_intake.h"
#include "ui/ThesaurusChoix.h"
#include "ui/browsers.h"
#include "ui/busy_cursor.h"
#include "ui/command_guard.h"
#include "ui/desktop.h"
#include "ui/frmanalyse02.h"
#include "ui/menus.h"
#include "ui/text_codec.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

namespace {

const QString kNoTextPrompt = QStringLiteral("Carica un file con il comando Aprire");

}  // namespace

Morphologique::Morphologique(Desktop &desktop)
    : QMainWindow(nullptr), m_desktop(desktop), m_prompter(desktop.prompterFor(*this)) {
    setObjectName(QStringLiteral("Morphologique"));
    setWindowTitle(QStringLiteral("Orbalis - Analisi morfologica"));
    setAccessibleName(windowTitle());
    setBackground(this, kLightYellow);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new TitleBanner(central));

    Frame1 = new QGroupBox(QStringLiteral("Testo"), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Testo"));
    QFont frameFont(QStringLiteral("Verdana"));
    frameFont.setStyleHint(QFont::SansSerif);
    Frame1->setFont(frameFont);
    setBackground(Frame1, kLightYellow);
    auto *frameLayout = new QVBoxLayout(Frame1);

    lblFichier = new QLabel(kNoTextPrompt, Frame1);
    lblFichier->setObjectName(QStringLiteral("lblFichier"));
    lblFichier->setTextInteractionFlags(Qt::TextSelectableByMouse);
    frameLayout->addWidget(lblFichier);

    txtfichier = new QPlainTextEdit(Frame1);
    txtfichier->setObjectName(QStringLiteral("txtfichier"));
    txtfichier->setAccessibleName(QStringLiteral("Testo"));
    txtfichier->setFont(serifFont(9, false));
    txtfichier->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The workspace analyses the text as the file gave it; the box only shows it.
    txtfichier->setReadOnly(true);
    frameLayout->addWidget(txtfichier);
    layout->addWidget(Frame1, 1);
    setCentralWidget(central);

    buildMenus();
    resize(760, 560);
}

void Morphologique::buildMenus() {
    QMenu *fichier = addMenu(menuBar(), "fichier", QStringLiteral("&Schedario"));
    ouvrir = addEntry(fichier, "ouvrir", QStringLiteral("&Aprire un testo..."), QKeySequence::Open);
    fermer = addEntry(fichier, "fermer", QStringLiteral("&Chiudi"));
    fichier->addSeparator();
    quitter = addEntry(fichier, "quitter", QStringLiteral("&Esci"));

    QMenu *programme = addMenu(menuBar(), "programme", QStringLiteral("&Programma"));
    analyse = addEntry(programme, "analyse", QStringLiteral("&Analisi testuale"));
    ouvriranalyse = addEntry(programme, "ouvriranalyse", QStringLiteral("&Aprire un'analisi..."));
    programme->addSeparator();
    lexique = addEntry(programme, "lexique", QStringLiteral("&Dizionario (Lemme)"));
    QMenu *thesaurus = addSubmenu(programme, "thesaurus", QStringLiteral("&Thesaurus (Forme)"));
    thesaurusorbalis = addEntry(thesaurus, "thesaurusorbalis", QStringLiteral("&Orbalis"));
    thesaurusautre = addEntry(thesaurus, "thesaurusautre", QStringLiteral("&Altro Thesaurus"));

    about = addAboutMenu(menuBar(), m_desktop);

    fermer->setEnabled(false);
    analyse->setEnabled(false);

    connect(ouvrir, &QAction::triggered, this, &Morphologique::loadText);
    connect(fermer, &QAction::triggered, this, &Morphologique::closeText);
    connect(quitter, &QAction::triggered, &m_desktop, &Desktop::quit);
    connect(analyse, &QAction::triggered, this, &Morphologique::openAnalysis);
    connect(ouvriranalyse, &QAction::triggered, this, &Morphologique::reopenAnalysis);
    connect(lexique, &QAction::triggered, this, [this] { openLexiconBrowser(m_desktop); });
    connect(thesaurusorbalis, &QAction::triggered, this, [this] { openBuiltInThesaurusBrowser(m_desktop); });
    connect(thesaurusautre, &QAction::triggered, this, [this] { openOtherThesaurusBrowser(m_desktop); });
}

Morphologique::~Morphologique() = default;

const std::string &Morphologique::text() const {
    static const std::string kNoText;
    return m_text ? *m_text : kNoText;
}

void Morphologique::loadText() {
    runCommand(*m_prompter, [this] {
        const auto path = m_prompter->chooseFile(FileRole::Open, std::string(kTextFilter));
        if (path) loadTextFrom(*path);
    });
}

void Morphologique::loadTextFrom(const std::string &path) {
    BusyCursor busy;
    const bool read = runCommand(*m_prompter, [&] {
        std::string asWritten;
        auto text = readTextWithConsent(path, *m_prompter, &asWritten);
        if (text) {
            showText(path, std::move(*text), asWritten);
        } else {
            // Refused: no text, the menus as they were.
            m_text.reset();
            txtfichier->clear();
        }
    });
    if (!read) {
        m_text.reset();
        txtfichier->clear();
    }
}

void Morphologique::showText(const std::string &path, std::string text, const std::string &asWritten) {
    m_text = std::make_shared<const std::string>(std::move(text));
    // The label shows the full path, also for a relative path named on the command line.
    const QString fullPath = QFileInfo(fromLocalPath(path)).absoluteFilePath();
    m_textPath = toLocalPath(fullPath);
    // Shown with the platform's line breaks; the text itself stays as the file had it, vowel
    // quantities included (the analyses read them as their base letters).
    QString shown = asWritten.empty() ? fromCp1252(*m_text)
                                      : QString::fromUtf8(asWritten.data(), qsizetype(asWritten.size()));
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    txtfichier->setPlainText(shown);
    lblFichier->setText(fullPath);
    fermer->setEnabled(true);
    ouvrir->setEnabled(false);
    analyse->setEnabled(true);
}

void Morphologique::closeText() {
    m_text.reset();
    m_textPath.clear();
    txtfichier->clear();
    lblFichier->setText(kNoTextPrompt);
    fermer->setEnabled(false);
    ouvrir->setEnabled(true);
    analyse->setEnabled(false);
}

void Morphologique::openAnalysis() {
    BusyCursor busy;
    // Shown again with its earlier values while a workspace is open; the next analysis it opens
    // is on the text loaded now.
    m_desktop.open<ThesaurusChoix>()->setText(m_text, m_textPath);
}

void Morphologique::reopenAnalysis() {
    runCommand(*m_prompter, [this] {
        const auto path = m_prompter->chooseFile(FileRole::Open, std::string(kDatFilter));
        if (!path) return;
        // An open re-opened workspace is only brought to the front; it keeps its own file.
        m_desktop.open<frmanalyse02>(Showing::Modeless, [&](frmanalyse02 &window) {
            return runCommand(*m_prompter, [&] { window.load(*path); });
        });
    });
}

void Morphologique::closeEvent(QCloseEvent *event) {
    event->accept();
    m_desktop.quit();
}

}  // namespace orbalis::ui
