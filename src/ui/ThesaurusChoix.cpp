#include "ui/ThesaurusChoix.h"

#include <QFrame>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/busy_cursor.h"
#include "ui/command_guard.h"
#include "ui/desktop.h"
#include "ui/frmanalyse.h"
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

ThesaurusChoix::ThesaurusChoix(Desktop &desktop)
    : QWidget(nullptr, Qt::Window), m_desktop(desktop), m_prompter(desktop.prompterFor(*this)) {
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
    // Escape closes the window, as its close box does.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(420, 300);
}

ThesaurusChoix::~ThesaurusChoix() = default;

void ThesaurusChoix::setText(std::shared_ptr<const std::string> text, std::string path) {
    m_text = std::move(text);
    m_textPath = std::move(path);
}

void ThesaurusChoix::useBuiltIn() {
    handOver(chooseBuiltInThesaurus(m_desktop.data().builtInThesaurus));
}

void ThesaurusChoix::openExisting() {
    std::optional<ThesaurusChoice> choice;
    if (!runCommand(*m_prompter, [&] { choice = openExistingThesaurus(*m_prompter); })) return;
    if (choice) handOver(*choice);
}

void ThesaurusChoix::createNew() {
    std::optional<ThesaurusChoice> choice;
    {
        BusyCursor busy;
        if (!runCommand(*m_prompter,
                        [&] { choice = createNewThesaurus(*m_prompter, m_desktop.data().builtInThesaurus); }))
            return;
    }
    if (choice) handOver(*choice);
}

void ThesaurusChoix::handOver(const ThesaurusChoice &choice) {
    m_choice = choice;
    const AnalysisInputs inputs{m_text, m_textPath, choice};
    BusyCursor busy;
    // A workspace already open is only brought to the front; a failed load leaves this window
    // visible for another choice.
    const auto *workspace = m_desktop.open<frmanalyse>(Showing::Modeless, [&](frmanalyse &window) {
        return runCommand(*m_prompter, [&] { window.load(inputs); });
    });
    if (workspace) hide();
}

}  // namespace orbalis::ui
