#include "ui/results_window.h"

#include <QAction>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "analysis/results_listing.h"
#include "prompts/prompter.h"
#include "ui/desktop.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/menus.h"
#include "ui/report_printing.h"
#include "ui/text_codec.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

namespace {

const QColor kDarkRed{0xC0, 0x00, 0x00};

}  // namespace

ResultsWindow::ResultsWindow(Desktop &desktop, const QString &title, const QString &searchCaption,
                             const QString &resultsCaption)
    : QMainWindow(nullptr), m_desktop(desktop), m_prompter(desktop.prompterFor(*this)) {
    setWindowTitle(title);
    setAccessibleName(title);
    setBackground(this, kLightYellow);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new TitleBanner(central));

    Frame1 = new QGroupBox(searchCaption, central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(searchCaption);
    setBackground(Frame1, kLightYellow);
    auto *searchLayout = new QHBoxLayout(Frame1);
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(searchCaption.trimmed());
    searchLayout->addWidget(Text1, 1);
    Command1 = new QPushButton(Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setIcon(QIcon::fromTheme(QStringLiteral("edit-find"),
                                       style()->standardIcon(QStyle::SP_FileDialogContentsView)));
    Command1->setIconSize(QSize(24, 24));
    Command1->setToolTip(QStringLiteral("Cerca"));
    Command1->setAccessibleName(QStringLiteral("Cerca"));
    searchLayout->addWidget(Command1);
    layout->addWidget(Frame1);

    Frame2 = new QGroupBox(resultsCaption, central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setAccessibleName(resultsCaption);
    setBackground(Frame2, kLightYellow);
    auto *resultsLayout = new QVBoxLayout(Frame2);
    grille02 = new GridView(Frame2, "grille02", resultsCaption.trimmed());
    resultsLayout->addWidget(grille02, 1);
    Labelgrille = new QLabel(Frame2);
    Labelgrille->setObjectName(QStringLiteral("Labelgrille"));
    Labelgrille->setWordWrap(true);
    Labelgrille->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette red = Labelgrille->palette();
    red.setColor(QPalette::WindowText, kDarkRed);
    Labelgrille->setPalette(red);
    QFont bold = Labelgrille->font();
    bold.setBold(true);
    Labelgrille->setFont(bold);
    Labelgrille->hide();
    resultsLayout->addWidget(Labelgrille, 1);
    layout->addWidget(Frame2, 1);
    setCentralWidget(central);

    QMenu *fichier = addMenu(menuBar(), "fichier", QStringLiteral("&Schedario"));
    const ReportEntries report = addReportEntries(fichier);
    imprimer = report.imprimer;
    apercu = report.apercu;
    exporter = report.exporter;
    fichier->addSeparator();
    quitter = addEntry(fichier, "quitter", QStringLiteral("&Esci"));
    recherche = addMenu(menuBar(), "recherche", QStringLiteral("&Ricerca"));
    QMenu *alphabet = addSubmenu(recherche, "alphabet", QStringLiteral("&Alfabetico"));
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const QByteArray name = QByteArray("l") + letter;
        QAction *entry =
            addEntry(alphabet, name.constData(), QStringLiteral("&") + QChar(QLatin1Char(letter)).toUpper());
        connect(entry, &QAction::triggered, this, [this, letter] { listLetter(letter); });
    }
    about = addAboutMenu(menuBar(), m_desktop);

    connect(quitter, &QAction::triggered, this, &QWidget::close);
    // The search runs from its button only: Enter in the search field does not start it.
    connect(Command1, &QPushButton::clicked, this, [this] { search(toCp1252(Text1->text())); });
}

ResultsWindow::~ResultsWindow() {
    // The views outlive this destructor's members: take the model away from them before the
    // grid it reads is destroyed with the window's core object.
    delete m_model;
}

QAction *ResultsWindow::letterEntry(char letter) const {
    return findChild<QAction *>(QStringLiteral("l") + QChar(QLatin1Char(letter)));
}

void ResultsWindow::attachListing(ResultsListing &listing, ReportKind kind, const QString &pdfName) {
    m_listing = &listing;
    m_model = new GridModel(listing.grid(), this);
    grille02->setGridModel(m_model);
    connect(imprimer, &QAction::triggered, this, [this, kind, pdfName] {
        printGrid(m_desktop, *this, prompter(), m_listing->grid(), kind, pdfName);
    });
    connect(apercu, &QAction::triggered, this,
            [this, kind] { previewGrid(m_desktop, *this, prompter(), m_listing->grid(), kind); });
    connect(exporter, &QAction::triggered, this,
            [this, kind] { exportGrid(prompter(), m_listing->grid(), kind); });
}

void ResultsWindow::showListing() {
    m_model->apply(GridChange::reset());
    grille02->showChosenRow(0);
    grille02->scrollToTop();
    Labelgrille->setText(fromCp1252(m_listing->message()));
    Labelgrille->setAccessibleName(Labelgrille->text());
    grille02->setVisible(m_listing->grid().visible());
    Labelgrille->setVisible(m_listing->messageVisible());
}

}  // namespace orbalis::ui
