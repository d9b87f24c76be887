#include "ui/analysis_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include "analyser/analyser_proposals.h"
#include "analysis/analysis_file.h"
#include "analysis/proposals.h"
#include "analysis/vocabulary.h"
#include "lexicon/lexicon.h"
#include "ui/LessicoTesto.h"
#include "ui/browsers.h"
#include "ui/busy_cursor.h"
#include "ui/cards.h"
#include "ui/command_guard.h"
#include "ui/desktop.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/keypads.h"
#include "ui/menus.h"
#include "ui/report_printing.h"
#include "ui/text_codec.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

namespace {

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QString &description) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(description.isEmpty() ? caption : description);
    if (!description.isEmpty()) button->setToolTip(description);
    return button;
}

QLabel *addStatusLabel(QStatusBar *bar, const char *name, int stretch) {
    auto *label = new QLabel(bar);
    label->setObjectName(QLatin1String(name));
    bar->addWidget(label, stretch);
    return label;
}

// The size a workspace asks for: on a screen 1366 pixels wide, the grid's whole row beside the
// edit panel. A smaller screen gets what it has (see fitToScreen).
constexpr QSize kPreferredSize(1340, 700);

constexpr std::string_view kNothingToAnalyse = "Non ci sono forme sconosciute ne' proposte.";

}  // namespace

QString unknownFormsText(const GridSummary &summary) {
    const double share = summary.forms == 0 ? 0.0 : 100.0 * double(summary.unknown) / double(summary.forms);
    return italianCount(summary.unknown, QStringLiteral("forma sconosciuta"),
                        QStringLiteral("forme sconosciute")) +
           QStringLiteral(" (%1 %)").arg(QLocale(QLocale::Italian, QLocale::Italy).toString(share, 'f', 1));
}

AnalysisWindow::AnalysisWindow(Desktop &desktop, Variant variant)
    : QMainWindow(nullptr),
      m_desktop(desktop),
      m_prompter(desktop.prompterFor(*this)),
      m_frenchMoodFrames(variant == Variant::Reopened) {
    setWindowTitle(QStringLiteral("Orbalis - Analisi morfologica"));
    setAccessibleName(windowTitle());
    setBackground(this, kLightYellow);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new TitleBanner(central));
    auto *panels = new QHBoxLayout;
    layout->addLayout(panels, 1);

    Frame1 = new QFrame(central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Analisi del testo"));
    setBackground(Frame1, kLightYellow);
    auto *gridLayout = new QVBoxLayout(Frame1);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    grille01 = new GridView(Frame1, "grille01", QStringLiteral("Analisi del testo"));
    m_model = new GridModel(m_workspace.grid, this);
    grille01->setGridModel(m_model);
    gridLayout->addWidget(grille01);
    panels->addWidget(Frame1, 1);

    // The edit panel scrolls when the screen is too low for it.
    auto *panelScroll = new QScrollArea(central);
    panelScroll->setObjectName(QStringLiteral("Frame2Scroll"));
    panelScroll->setWidgetResizable(true);
    panelScroll->setFrameShape(QFrame::NoFrame);
    panelScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Frame2 = new QFrame(panelScroll);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setAccessibleName(QStringLiteral("Modifica della riga"));
    Frame2->setFrameShape(QFrame::StyledPanel);
    setBackground(Frame2, kLightYellow);
    auto *edit = new QGridLayout(Frame2);
    const bool reopened = variant == Variant::Reopened;
    Text1 = addField(Frame2, edit, 0, "Text1", QStringLiteral("Forma :"));
    Text2 = addField(Frame2, edit, 2, "Text2", QStringLiteral("Lemma :"));
    Text3 = addField(Frame2, edit, 4, "Text3", QStringLiteral("Traduzione :"));
    Text4 = addField(Frame2, edit, 6, "Text4", QStringLiteral("Cat. gramm. :"));
    Command1_b = makeButton(Frame2, "Command1_b", QStringLiteral("..."),
                            QStringLiteral("Tastiera: categoria grammaticale"));
    edit->addWidget(Command1_b, 7, 1);
    Text5 = addField(
        Frame2, edit, 8, "Text5",
        reopened ? QStringLiteral("Caso, genere, numero :") : QStringLiteral("Caso, genere, numero"));
    Command1_a = makeButton(Frame2, "Command1_a", QStringLiteral("..."),
                            QStringLiteral("Tastiera: caso, genere, numero"));
    edit->addWidget(Command1_a, 9, 1);
    Text6 = addField(Frame2, edit, 10, "Text6", QStringLiteral("Modo, tempi, voce :"));
    m_moodKeypad = makeButton(Frame2, reopened ? "Command1_c" : "Command6", QStringLiteral("..."),
                              QStringLiteral("Tastiera: modo, tempi, voce"));
    edit->addWidget(m_moodKeypad, 11, 1);
    for (QPushButton *keypad : {Command1_b, Command1_a, m_moodKeypad}) {
        keypad->setFixedWidth(36);
        connect(keypad, &QPushButton::clicked, this, &AnalysisWindow::openKeypad);
    }

    auto *cards = new QHBoxLayout;
    Command4 = makeButton(Frame2, "Command4", QStringLiteral("P2"), {});
    Command5 = makeButton(Frame2, "Command5", QStringLiteral("P3"), {});
    cards->addWidget(Command4);
    cards->addWidget(Command5);
    edit->addLayout(cards, 12, 0, 1, 2);

    auto *commands = new QHBoxLayout;
    Command2 = makeButton(Frame2, "Command2", {}, QStringLiteral("Applica la modifica"));
    Command2->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    Command3 = makeButton(Frame2, "Command3", {}, QStringLiteral("Elimina la riga"));
    Command3->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    for (QPushButton *picture : {Command2, Command3}) {
        picture->setIconSize(QSize(32, 32));
        picture->setMinimumHeight(44);
        commands->addWidget(picture);
    }
    edit->addLayout(commands, 13, 0, 1, 2);

    Check1 = new QCheckBox(QStringLiteral("Salva le forme e l'analisi nel Thesaurus"), Frame2);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setAccessibleName(Check1->text());
    edit->addWidget(Check1, 14, 0, 1, 2);
    edit->setRowStretch(15, 1);
    panelScroll->setWidget(Frame2);
    panelScroll->setFixedWidth(Frame2->sizeHint().width() + 40);
    panels->addWidget(panelScroll);
    // The lookup's workspace shows its edit panel once the grid is filled.
    Frame2->setVisible(reopened);

    setCentralWidget(central);
    buildMenus();

    statusSource = addStatusLabel(statusBar(), "statusSource", 2);
    statusThesaurus = addStatusLabel(statusBar(), "statusThesaurus", 2);
    statusRows = addStatusLabel(statusBar(), "statusRows", 1);
    statusKnown = addStatusLabel(statusBar(), "statusKnown", 1);
    statusProposed = addStatusLabel(statusBar(), "statusProposed", 1);
    statusUnknown = addStatusLabel(statusBar(), "statusUnknown", 1);

    connect(grille01, &GridView::rowChosen, this, &AnalysisWindow::rowChosen);
    connect(Command2, &QPushButton::clicked, this, &AnalysisWindow::applyToRow);
    connect(Command3, &QPushButton::clicked, this, &AnalysisWindow::deleteSelectedRow);
    // Enter in an edit field applies the row, as the tick button does.
    for (QLineEdit *field : {Text1, Text2, Text3, Text4, Text5, Text6})
        connect(field, &QLineEdit::returnPressed, this, &AnalysisWindow::applyToRow);
    // Each workspace has keypads of its own, which go with it; the cards are shared and stay.
    const QString suffix = reopened ? QStringLiteral("1") : QString();
    m_categoryKeypad = QStringLiteral("pave02_a") + suffix;
    m_caseKeypad = QStringLiteral("pave03_a") + suffix;
    m_moodKeypadName = QStringLiteral("pave03_b") + suffix;
    for (const QString &keypad : {m_categoryKeypad, m_caseKeypad, m_moodKeypadName}) addOwnedWindow(keypad);
    connect(Command4, &QPushButton::clicked, this, [this] { m_desktop.open<pave02>(Showing::Modeless); });
    connect(Command5, &QPushButton::clicked, this, [this] { m_desktop.open<pave03>(Showing::Modeless); });
    resize(kPreferredSize);
    updateStatus();
    // The vocabulary shown is that of a workspace: it goes with the workspace that asked for it.
    addOwnedWindow(QStringLiteral("LessicoTesto"));
}

AnalysisWindow::~AnalysisWindow() {
    // The views outlive this destructor's members (they go with the widget tree afterwards):
    // take the model away from them before the workspace it reads is destroyed.
    delete m_model;
}

QLineEdit *AnalysisWindow::addField(QWidget *panel, QGridLayout *layout, int row, const char *name,
                                    const QString &caption) {
    auto *label = new QLabel(caption, panel);
    auto *field = new QLineEdit(panel);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(caption);
    label->setBuddy(field);
    layout->addWidget(label, row, 0, 1, 2);
    layout->addWidget(field, row + 1, 0);
    return field;
}

void AnalysisWindow::buildMenus() {
    QMenu *fichier = addMenu(menuBar(), "fichier", QStringLiteral("&Schedario"));
    enregistrer = addEntry(fichier, "enregistrer", QStringLiteral("&Salva"), QKeySequence::Save);
    const ReportEntries report = addReportEntries(fichier);
    imprimer = report.imprimer;
    apercu = report.apercu;
    exporter = report.exporter;
    fichier->addSeparator();
    quitter = addEntry(fichier, "quitter", QStringLiteral("&Esci"));
    QMenu *edition = addMenu(menuBar(), "edition", QStringLiteral("&Edizione"));
    dupliquer = addEntry(edition, "dupliquer", QStringLiteral("&Duplicare una linea"),
                         QKeySequence(Qt::CTRL | Qt::Key_D));
    edition->addSeparator();
    suggerisci =
        addEntry(edition, "suggerisci", QStringLiteral("&Suggerisci analisi"), QKeySequence(Qt::Key_F7));
    accetta = addEntry(edition, "accetta", QStringLiteral("&Accetta i suggerimenti"));
    sconosciuta = addEntry(edition, "sconosciuta", QStringLiteral("&Forma sconosciuta successiva"),
                           QKeySequence(Qt::Key_F3));
    QMenu *programme = addMenu(menuBar(), "programme", QStringLiteral("&Programma"));
    lessico = addEntry(programme, "lessico", QStringLiteral("&Lessico del testo..."));
    QMenu *thesaurus = addMenu(menuBar(), "thesaurus", QStringLiteral("&Thesaurus"));
    thesaurusorbalis = addEntry(thesaurus, "thesaurusorbalis", QStringLiteral("&Orbalis"));
    thesaurusautre = addEntry(thesaurus, "thesaurusautre", QStringLiteral("&Altro Thesaurus"));
    QMenu *lex = addMenu(menuBar(), "lex", QStringLiteral("&Dizionario"));
    lexique = addEntry(lex, "lexique", QStringLiteral("&Dizionario (lemma)"));
    about = addAboutMenu(menuBar(), m_desktop);

    // Delete on the grid deletes the selected row, as the bin button does.
    supprimer = new QAction(Command3->accessibleName(), grille01);
    supprimer->setObjectName(QStringLiteral("supprimer"));
    supprimer->setShortcut(QKeySequence::Delete);
    supprimer->setShortcutContext(Qt::WidgetShortcut);
    grille01->addAction(supprimer);

    connect(enregistrer, &QAction::triggered, this, &AnalysisWindow::save);
    connect(quitter, &QAction::triggered, this, &QWidget::close);
    connect(dupliquer, &QAction::triggered, this, &AnalysisWindow::duplicateSelectedRow);
    connect(supprimer, &QAction::triggered, this, &AnalysisWindow::deleteSelectedRow);
    connect(thesaurusorbalis, &QAction::triggered, this, [this] { openBuiltInThesaurusBrowser(m_desktop); });
    connect(thesaurusautre, &QAction::triggered, this, [this] { openOtherThesaurusBrowser(m_desktop); });
    connect(lexique, &QAction::triggered, this, [this] { openLexiconBrowser(m_desktop); });
    connect(imprimer, &QAction::triggered, this, &AnalysisWindow::print);
    connect(apercu, &QAction::triggered, this, &AnalysisWindow::preview);
    connect(exporter, &QAction::triggered, this, &AnalysisWindow::exportCsv);
    connect(suggerisci, &QAction::triggered, this, &AnalysisWindow::suggestAnalyses);
    connect(accetta, &QAction::triggered, this, &AnalysisWindow::acceptSuggestions);
    connect(sconosciuta, &QAction::triggered, this, &AnalysisWindow::nextUnknownForm);
    connect(lessico, &QAction::triggered, this, &AnalysisWindow::showVocabulary);
}

AnalysisFields AnalysisWindow::fields() const {
    return {toCp1252(Text1->text()), toCp1252(Text2->text()), toCp1252(Text3->text()),
            toCp1252(Text4->text()), toCp1252(Text5->text()), toCp1252(Text6->text())};
}

void AnalysisWindow::showFields(const AnalysisFields &fields) {
    Text1->setText(fromCp1252(fields.form));
    Text2->setText(fromCp1252(fields.lemma));
    Text3->setText(fromCp1252(fields.translation));
    Text4->setText(fromCp1252(fields.category));
    Text5->setText(fromCp1252(fields.caseGenderNumber));
    Text6->setText(fromCp1252(fields.moodTenseVoice));
}

void AnalysisWindow::setWorkspace(AnalysisWorkspace workspace) {
    m_workspace = std::move(workspace);
    showChange(GridChange::reset());
}

void AnalysisWindow::setSource(const QString &source) {
    statusSource->setText(source);
}

void AnalysisWindow::setThesaurusName(const QString &thesaurus) {
    statusThesaurus->setText(QStringLiteral("Thesaurus: ") + thesaurus);
}

void AnalysisWindow::showChange(const GridChange &change) {
    m_model->apply(change);
    grille01->showChosenRow(m_workspace.selectedRow);
    updateStatus();
}

void AnalysisWindow::updateStatus() {
    const GridSummary summary = summariseGrid(m_workspace.grid);
    statusRows->setText(italianCount(summary.rows, QStringLiteral("riga"), QStringLiteral("righe")));
    statusUnknown->setText(unknownFormsText(summary));
    statusKnown->setText(
        italianCount(summary.known(), QStringLiteral("forma nota"), QStringLiteral("forme note")));
    statusProposed->setText(
        italianCount(summary.proposed, QStringLiteral("forma proposta"), QStringLiteral("forme proposte")));
}

const ThesaurusTable &AnalysisWindow::proposalsTable() {
    if (!m_workspace.table.empty()) return m_workspace.table;
    if (!m_builtInTable)
        m_builtInTable = loadThesaurusTable(m_desktop.data().builtInThesaurus, EntryTrim::FormOnly,
                                            WhenMissing::ReadEmpty);
    return *m_builtInTable;
}

const ThesaurusTable &AnalysisWindow::namesTable() {
    if (!m_namesTable)
        m_namesTable =
            loadThesaurusTable(m_desktop.data().names, EntryTrim::FormOnly, WhenMissing::ReadEmpty);
    return *m_namesTable;
}

void AnalysisWindow::suggestAnalyses() {
    AnalyserProposals outcome;
    const AnalyserSettings settings = analyserSettingsFromEnvironment();
    const bool done = runCommand(prompter(), [&] {
        BusyCursor busy;
        const auto lexicon = loadLexicon(m_desktop.data().lexicon, WhenMissing::ReadEmpty);
        outcome = proposeForGrid(m_workspace.grid, proposalsTable(), namesTable(),
                                 lexicon ? *lexicon : LexiconTable{}, settings);
        showChange(placeProposals(m_workspace, outcome.proposals).change);
    });
    if (!done) return;
    if (m_workspace.selectedRow != 0) rowChosen(m_workspace.selectedRow);
    if (outcome.failure != AnalyserFailure::None)
        prompter().inform(std::string(kAnalyserTitle), analyserFailureMessage(outcome, settings),
                          Icon::Information);
}

void AnalysisWindow::acceptSuggestions() {
    AcceptResult result;
    runCommand(prompter(), [&] { result = acceptProposals(m_workspace, proposalsThesaurus(), prompter()); });
    showChange(result.change);
    if (result.failure) reportFileError(prompter(), *result.failure);
}

void AnalysisWindow::nextUnknownForm() {
    const std::size_t row = nextRowNeedingWork(m_workspace.grid, m_workspace.selectedRow);
    if (row == 0) {
        prompter().inform("", std::string(kNothingToAnalyse), Icon::Information);
        return;
    }
    rowChosen(row);
}

void AnalysisWindow::showVocabulary() {
    runCommand(prompter(), [&] {
        BusyCursor busy;
        m_desktop.open<LessicoTesto>(Showing::Modeless, [](LessicoTesto &) { return true; })
            ->showVocabulary(textVocabulary(m_workspace.grid), statusSource->text());
    });
}

void AnalysisWindow::rowChosen(std::size_t gridRow) {
    const auto fields = selectRow(m_workspace, gridRow);
    if (fields) showFields(*fields);
    // An empty row cannot be chosen: the highlight stays on the selected row.
    grille01->showChosenRow(m_workspace.selectedRow);
}

void AnalysisWindow::applyToRow() {
    const AnalysisFields edited = fields();
    ApplyResult result;
    runCommand(prompter(), [&] { result = applyEdit(m_workspace, edited, thesaurusAddition(), prompter()); });
    showChange(result.change);
    // The row has changed even when the thesaurus could not take the analysis.
    if (result.failure) reportFileError(prompter(), *result.failure);
}

void AnalysisWindow::deleteSelectedRow() {
    DeleteResult result;
    {
        BusyCursor busy;
        runCommand(prompter(), [&] { result = deleteRow(m_workspace, prompter()); });
        showChange(result.change);
    }
    if (result.shown) showFields(*result.shown);
}

void AnalysisWindow::duplicateSelectedRow() {
    BusyCursor busy;
    GridChange change;
    runCommand(prompter(), [&] { change = duplicateRow(m_workspace, prompter()); });
    showChange(change);
}

void AnalysisWindow::save() {
    runCommand(prompter(), [&] {
        const SaveResult saved = saveAnalysisFile(m_workspace.grid, prompter());
        // A PDF of the analysis is offered under the name it was saved as.
        if (saved.outcome == SaveOutcome::Saved) setDocumentPath(fromLocalPath(saved.path));
    });
}

void AnalysisWindow::openKeypad() {
    if (Text1->text().isEmpty()) {
        prompter().inform("", std::string(kSelectFormMessage), Icon::None);
        return;
    }
    // Not modal: the user goes on working in the workspace; OK writes into the field then.
    if (sender() == Command1_b)
        openCategoryKeypad(m_desktop, m_categoryKeypad, *Text4, Showing::Modeless);
    else if (sender() == Command1_a)
        openCaseKeypad(m_desktop, m_caseKeypad, *Text5, Showing::Modeless);
    else
        openMoodKeypad(m_desktop, m_moodKeypadName, *Text6, Showing::Modeless,
                       m_frenchMoodFrames ? MoodFrames::French : MoodFrames::Italian);
}

void AnalysisWindow::print() {
    const QFileInfo document(m_documentPath);
    const QString pdfName =
        m_documentPath.isEmpty()
            ? QStringLiteral("analisi.pdf")
            : document.dir().filePath(document.completeBaseName() + QStringLiteral(".pdf"));
    printGrid(m_desktop, *this, prompter(), m_workspace.grid, ReportKind::Workspace, pdfName);
}

void AnalysisWindow::preview() {
    previewGrid(m_desktop, *this, prompter(), m_workspace.grid, ReportKind::Workspace);
}

void AnalysisWindow::exportCsv() {
    exportGrid(prompter(), m_workspace.grid, ReportKind::Workspace);
}

void AnalysisWindow::closeEvent(QCloseEvent *event) {
    for (const QString &name : std::as_const(m_ownedWindows)) m_desktop.unload(name);
    event->accept();
}

}  // namespace orbalis::ui
