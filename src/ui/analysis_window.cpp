#include "ui/analysis_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "analysis/analysis_file.h"
#include "ui/busy_cursor.h"
#include "ui/command_guard.h"
#include "ui/desktop.h"
#include "ui/frmAbout.h"
#include "ui/frozen_column_view.h"
#include "ui/grid_model.h"
#include "ui/menus.h"
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

// Widths of the grid's columns in pixels: form, lemma, translation, category, the two
// descriptors, indicator.
constexpr int kColumnWidths[] = {130, 130, 200, 80, 150, 150, 50};

}  // namespace

AnalysisWindow::AnalysisWindow(Desktop &desktop, Variant variant, const char *name, QWidget *parent)
    : QMainWindow(parent), m_desktop(desktop) {
    setObjectName(QLatin1String(name));
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
    grille01 = new FrozenColumnView(Frame1);
    grille01->setObjectName(QStringLiteral("grille01"));
    grille01->setAccessibleName(QStringLiteral("Analisi del testo"));
    grille01->frozenView()->setAccessibleName(QStringLiteral("Forme"));
    grille01->setSelectionBehavior(QAbstractItemView::SelectRows);
    grille01->setSelectionMode(QAbstractItemView::SingleSelection);
    grille01->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille01->verticalHeader()->hide();
    grille01->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grille01->verticalHeader()->setDefaultSectionSize(grille01->fontMetrics().height() + 6);
    grille01->horizontalHeader()->setHighlightSections(false);
    // The header row is captions only: a click on it selects nothing.
    grille01->horizontalHeader()->setSectionsClickable(false);
    m_model = new GridModel(m_workspace.grid, this);
    grille01->setModel(m_model);
    for (int column = 0; column < m_model->columnCount(); ++column)
        grille01->setColumnWidth(column, kColumnWidths[column]);
    gridLayout->addWidget(grille01);
    panels->addWidget(Frame1, 1);

    Frame2 = new QFrame(central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setAccessibleName(QStringLiteral("Modifica della riga"));
    Frame2->setFrameShape(QFrame::StyledPanel);
    setBackground(Frame2, kLightYellow);
    Frame2->setFixedWidth(330);
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
    panels->addWidget(Frame2);
    // The lookup's workspace shows its edit panel once the grid is filled.
    Frame2->setVisible(reopened);

    setCentralWidget(central);
    buildMenus();

    connect(grille01->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &AnalysisWindow::rowActivated);
    connect(grille01, &QTableView::clicked, this, &AnalysisWindow::rowActivated);
    connect(Command2, &QPushButton::clicked, this, &AnalysisWindow::applyToRow);
    connect(Command3, &QPushButton::clicked, this, &AnalysisWindow::deleteSelectedRow);
    // The reference cards (P2, P3) open their windows once those exist.
    resize(1180, 640);
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
    enregistrer = addEntry(fichier, "enregistrer", QStringLiteral("&Salva"));
    imprimer = addEntry(fichier, "imprimer", QStringLiteral("&Stampare"));
    fichier->addSeparator();
    quitter = addEntry(fichier, "quitter", QStringLiteral("&Esci"));
    QMenu *edition = addMenu(menuBar(), "edition", QStringLiteral("&Edizione"));
    dupliquer = addEntry(edition, "dupliquer", QStringLiteral("&Duplicare una linea"));
    QMenu *thesaurus = addMenu(menuBar(), "thesaurus", QStringLiteral("&Thesaurus"));
    thesaurusorbalis = addEntry(thesaurus, "thesaurusorbalis", QStringLiteral("&Orbalis"));
    thesaurusautre = addEntry(thesaurus, "thesaurusautre", QStringLiteral("&Altro Thesaurus"));
    QMenu *lex = addMenu(menuBar(), "lex", QStringLiteral("&Dizionario"));
    lexique = addEntry(lex, "lexique", QStringLiteral("&Dizionario (lemma)"));
    QMenu *aide = addMenu(menuBar(), "aide", QStringLiteral("&Aiuto"));
    about = addEntry(aide, "about", QStringLiteral("&A proposito"));

    connect(enregistrer, &QAction::triggered, this, &AnalysisWindow::save);
    connect(quitter, &QAction::triggered, this, &QWidget::close);
    connect(dupliquer, &QAction::triggered, this, &AnalysisWindow::duplicateSelectedRow);
    connect(about, &QAction::triggered, this, [this] { m_desktop.showAbout(); });
    // Printing and the browsers open their windows once those exist.
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
    m_model->reload([&] { m_workspace = std::move(workspace); });
}

void AnalysisWindow::selectGridRow(std::size_t gridRow) {
    m_selecting = true;
    if (gridRow == 0 || gridRow >= m_workspace.grid.rowCount())
        grille01->clearSelection();
    else
        grille01->selectRow(GridModel::modelRow(gridRow));
    m_selecting = false;
}

void AnalysisWindow::rowActivated(const QModelIndex &current) {
    if (m_selecting || !current.isValid()) return;
    const auto fields = selectRow(m_workspace, GridModel::gridRow(current.row()));
    if (fields) {
        showFields(*fields);
        selectGridRow(m_workspace.selectedRow);
    } else {
        // An empty row cannot be selected: the highlight goes back to the selected row.
        selectGridRow(m_workspace.selectedRow);
    }
}

void AnalysisWindow::applyToRow() {
    const std::size_t row = m_workspace.selectedRow;
    const AnalysisFields edited = fields();
    runCommand(m_desktop.prompter(), [&] {
        const auto addition = thesaurusAddition();
        applyEdit(m_workspace, edited, addition, m_desktop.prompter());
    });
    // The row changes even when the addition to the thesaurus failed.
    if (row != 0) {
        m_model->rowsChanged(row, row);
        selectGridRow(row);
    }
}

void AnalysisWindow::deleteSelectedRow() {
    BusyCursor busy;
    const std::size_t row = m_workspace.selectedRow;
    std::optional<AnalysisFields> moved;
    runCommand(m_desktop.prompter(), [&] { moved = deleteRow(m_workspace, m_desktop.prompter()); });
    if (row == 0 || !moved) return;
    m_model->rowsChanged(row, m_workspace.grid.rowCount() - 1);
    selectGridRow(row);
    showFields(*moved);
}

void AnalysisWindow::duplicateSelectedRow() {
    BusyCursor busy;
    const std::size_t row = m_workspace.selectedRow;
    if (row == 0) {
        // Nothing to insert: the command only says so.
        runCommand(m_desktop.prompter(), [&] { duplicateRow(m_workspace, m_desktop.prompter()); });
        return;
    }
    runCommand(m_desktop.prompter(), [&] {
        m_model->insertRowAfter(row, [&] { duplicateRow(m_workspace, m_desktop.prompter()); });
    });
    selectGridRow(row);
}

void AnalysisWindow::save() {
    runCommand(m_desktop.prompter(), [&] { saveAnalysisFile(m_workspace.grid, m_desktop.prompter()); });
}

void AnalysisWindow::openKeypad() {
    if (Text1->text().isEmpty()) {
        m_desktop.prompter().inform("", std::string(kSelectFormMessage), Icon::None);
        return;
    }
    // The keypads open here once they exist.
}

void AnalysisWindow::closeEvent(QCloseEvent *event) {
    for (const QString &name : std::as_const(m_ownedWindows)) m_desktop.unload(name);
    event->accept();
}

}  // namespace orbalis::ui
