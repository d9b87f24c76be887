#include "ui/ThesaurusChoix.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/data_paths.h"
#include "ui/busy_cursor.h"
#include "ui/command_guard.h"
#include "ui/desktop.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

namespace {

QPushButton *addButton(QWidget *parent, QLayout *layout, const char *name, const QString &caption) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    button->setMinimumHeight(36);
    layout->addWidget(button);
    return button;
}

}  // namespace

ThesaurusChoix::ThesaurusChoix(Desktop &desktop, QWidget *parent)
    : QWidget(parent, Qt::Window), m_desktop(desktop) {
    setObjectName(QStringLiteral("ThesaurusChoix"));
    setWindowTitle(QStringLiteral("Orbalis - Scelta del Thesaurus"));
    setAccessibleName(windowTitle());
    setBackground(this, kLightYellow);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new TitleBanner(this));
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAccessibleName(QStringLiteral("Scelta del Thesaurus"));
    auto *buttons = new QVBoxLayout(frame);
    Command1 = addButton(frame, buttons, "Command1", QStringLiteral("Thesaurus Orbalis"));
    Command2 = addButton(frame, buttons, "Command2", QStringLiteral("Apri un Thesaurus esistente"));
    Command3 = addButton(frame, buttons, "Command3", QStringLiteral("Crea un nuovo Thesaurus"));
    layout->addWidget(frame);

    connect(Command1, &QPushButton::clicked, this, &ThesaurusChoix::useBuiltIn);
    connect(Command2, &QPushButton::clicked, this, &ThesaurusChoix::openExisting);
    connect(Command3, &QPushButton::clicked, this, &ThesaurusChoix::createNew);
    resize(420, 300);
}

void ThesaurusChoix::useBuiltIn() {
    handOver(chooseBuiltInThesaurus(builtInThesaurusPath()));
}

void ThesaurusChoix::openExisting() {
    std::optional<ThesaurusChoice> choice;
    if (!runCommand(m_desktop.prompter(), [&] { choice = openExistingThesaurus(m_desktop.prompter()); }))
        return;
    if (choice) handOver(*choice);
}

void ThesaurusChoix::createNew() {
    std::optional<ThesaurusChoice> choice;
    {
        BusyCursor busy;
        if (!runCommand(m_desktop.prompter(),
                        [&] { choice = createNewThesaurus(m_desktop.prompter(), builtInThesaurusPath()); }))
            return;
    }
    if (choice) handOver(*choice);
}

void ThesaurusChoix::handOver(const ThesaurusChoice &choice) {
    m_choice = choice;
    BusyCursor busy;
    // The workspace reads the choice from this window while it loads; a failed load leaves this
    // window visible for another choice.
    if (m_desktop.showAnalysis()) hide();
}

}  // namespace orbalis::ui
