#include "ui/frmrecherche02.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

#include "ui/Thesaurusmodification.h"
#include "ui/command_guard.h"
#include "ui/desktop.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/text_codec.h"

namespace orbalis::ui {

namespace {

QPushButton *pictureButton(QWidget *parent, const char *name, const QIcon &icon, const QString &description) {
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setToolTip(description);
    button->setAccessibleName(description);
    return button;
}

}  // namespace

frmrecherche02::frmrecherche02(Desktop &desktop)
    : ThesaurusBrowserWindow(desktop, BrowserKind::Other, QStringLiteral("Orbalis - Altro Thesaurus"),
                             QStringLiteral("Ricerca di una forma : "),
                             QStringLiteral("Risultati della ricerca :")) {
    setObjectName(QStringLiteral("frmrecherche02"));
    Command2 = pictureButton(Frame1, "Command2", style()->standardIcon(QStyle::SP_TrashIcon),
                             QStringLiteral("Cancella l'analisi del Thesaurus"));
    Command3 = pictureButton(Frame1, "Command3",
                             QIcon::fromTheme(QStringLiteral("document-edit"),
                                              style()->standardIcon(QStyle::SP_FileDialogDetailedView)),
                             QStringLiteral("Modifica l'analisi del Thesaurus"));
    auto *row = static_cast<QHBoxLayout *>(Frame1->layout());
    row->addSpacing(24);
    row->addWidget(Command2);
    row->addWidget(Command3);
    nomfiche = new QLineEdit(this);
    nomfiche->setObjectName(QStringLiteral("nomfiche"));
    nomfiche->hide();

    connect(grille02, &GridView::rowChosen, this, &frmrecherche02::rowChosen);
    connect(Command2, &QPushButton::clicked, this, &frmrecherche02::deleteEntry);
    connect(Command3, &QPushButton::clicked, this, &frmrecherche02::openEditor);
}

bool frmrecherche02::load() {
    m_browser.openOther(prompter());
    if (m_browser.thesaurusFilePath().empty()) return false;
    nomfiche->setText(fromLocalPath(m_browser.thesaurusFilePath()));
    gridModel()->apply(GridChange::reset());
    return true;
}

void frmrecherche02::rowChosen(std::size_t gridRow) {
    m_browser.chooseRow(gridRow);
    grille02->showChosenRow(m_browser.chosenRow());
}

void frmrecherche02::deleteEntry() {
    GridChange change;
    if (!runCommand(prompter(), [&] { change = m_browser.deleteEntry(prompter()); })) return;
    gridModel()->apply(change);
    grille02->showChosenRow(m_browser.chosenRow());
}

void frmrecherche02::openEditor() {
    const auto edit = m_browser.entryToEdit();
    if (!edit) return;
    QPointer<frmrecherche02> self(this);
    EntryEditing editing{
        *edit, m_browser.thesaurusFilePath(),
        [self, entry = *edit](const AnalysisFields &fields, Prompter &prompter) {
            if (!self) return false;
            GridChange change;
            if (!runCommand(prompter, [&] { change = self->m_browser.saveEntry(entry, fields, prompter); }))
                return false;
            self->gridModel()->apply(change);
            self->grille02->showChosenRow(self->m_browser.chosenRow());
            return true;
        }};
    m_desktop.open<Thesaurusmodification>(Showing::Modal, [&](Thesaurusmodification &editor) {
        editor.load(std::move(editing));
        return true;
    });
}

}  // namespace orbalis::ui
