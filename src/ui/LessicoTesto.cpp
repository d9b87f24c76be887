#include "ui/LessicoTesto.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include "ui/desktop.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/menus.h"
#include "ui/report_printing.h"
#include "ui/text_codec.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

LessicoTesto::LessicoTesto(Desktop &desktop)
    : QMainWindow(nullptr),
      m_desktop(desktop),
      m_prompter(desktop.prompterFor(*this)),
      m_grid(vocabularyGrid({})) {
    setWindowTitle(QStringLiteral("Orbalis - Lessico del testo"));
    setAccessibleName(windowTitle());
    setBackground(this, kLightYellow);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    grilleLessico = new GridView(central, "grilleLessico", QStringLiteral("Lessico del testo"));
    m_model = new GridModel(m_grid, this);
    grilleLessico->setGridModel(m_model);
    layout->addWidget(grilleLessico);
    setCentralWidget(central);

    QMenu *fichier = addMenu(menuBar(), "fichier", QStringLiteral("&Schedario"));
    const ReportEntries report = addReportEntries(fichier);
    imprimer = report.imprimer;
    apercu = report.apercu;
    exporter = report.exporter;
    fichier->addSeparator();
    quitter = addEntry(fichier, "quitter", QStringLiteral("&Esci"));
    connect(imprimer, &QAction::triggered, this, [this] {
        printGrid(m_desktop, *this, *m_prompter, m_grid, ReportKind::Vocabulary,
                  QStringLiteral("lessico.pdf"));
    });
    connect(apercu, &QAction::triggered, this,
            [this] { previewGrid(m_desktop, *this, *m_prompter, m_grid, ReportKind::Vocabulary); });
    connect(exporter, &QAction::triggered, this,
            [this] { exportGrid(*m_prompter, m_grid, ReportKind::Vocabulary); });
    connect(quitter, &QAction::triggered, this, &QWidget::close);

    statusSource = new QLabel(statusBar());
    statusSource->setObjectName(QStringLiteral("statusSource"));
    statusBar()->addWidget(statusSource, 2);
    statusLemmas = new QLabel(statusBar());
    statusLemmas->setObjectName(QStringLiteral("statusLemmas"));
    statusBar()->addWidget(statusLemmas, 1);
    resize(820, 640);
}

LessicoTesto::~LessicoTesto() {
    // The view outlives this destructor's members: take the model away before the grid goes.
    delete m_model;
}

void LessicoTesto::showVocabulary(const std::vector<VocabularyEntry> &entries, const QString &source) {
    m_grid = vocabularyGrid(entries);
    m_model->apply(GridChange::reset());
    statusSource->setText(source);
    statusLemmas->setText(italianCount(entries.size(), QStringLiteral("lemma"), QStringLiteral("lemmi")));
}

}  // namespace orbalis::ui
