#include "ui/keypads.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/coding_rows.h"
#include "ui/menus.h"
#include "ui/text_codec.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

namespace {

// A keypad writes into a one-line field (the workspaces) or a multi-line one (the entry editor).
void setFieldText(QWidget &field, const QString &text) {
    if (auto *line = qobject_cast<QLineEdit *>(&field))
        line->setText(text);
    else if (auto *lines = qobject_cast<QPlainTextEdit *>(&field))
        lines->setPlainText(text);
}

using coding::KeypadDesign;

// The names of the option buttons, group by group in display order, the clear option last.
const QList<QList<int>> &optionNumbers(KeypadDesign design) {
    static const QList<QList<int>> category{
        {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 2, 21, 20, 19, 18, 17, 16, 22, 23}};
    static const QList<QList<int>> caseGenderNumber{
        {1, 6, 5, 4, 3, 2, 7}, {26, 25, 24, 8}, {12, 11, 10, 13}, {28, 27, 9}};
    static const QList<QList<int>> moodTenseVoice{
        {7, 12, 11, 10, 9, 8, 13, 14, 1}, {16, 15, 20, 19, 18, 17, 2}, {23, 22, 21, 3}};
    switch (design) {
        case KeypadDesign::Category:
            return category;
        case KeypadDesign::CaseGenderNumber:
            return caseGenderNumber;
        case KeypadDesign::MoodTenseVoice:
            break;
    }
    return moodTenseVoice;
}

QStringList italianFrames(KeypadDesign design) {
    QStringList frames;
    for (const auto &group : coding::keypadGroups(design)) frames << fromCp1252(group.frame);
    return frames;
}

template <class Window, class... Extra>
Window *openKeypad(Desktop &desktop, const QString &instance, QWidget &target, Showing showing,
                   Extra... extra) {
    return desktop.open(
        instance, showing,
        [&] {
            return std::make_unique<Window>(desktop, desktop.state<coding::KeypadParts>(instance), target,
                                            extra...);
        },
        [](Window &) { return true; });
}

}  // namespace

Keypad::Keypad(Desktop &desktop, KeypadDesign design, coding::KeypadParts &parts, QWidget &target,
               const QStringList &frames, const QString &title)
    : QMainWindow(nullptr), m_desktop(desktop), m_design(design), m_parts(parts), m_target(&target) {
    setWindowTitle(title);
    setAccessibleName(title);
    setBackground(this, kLightYellow);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new TitleBanner(fromCp1252(coding::kBanner), 16, central));
    auto *body = new QHBoxLayout;
    layout->addLayout(body, 1);

    const auto groups = coding::keypadGroups(design);
    const auto &numbers = optionNumbers(design);
    QGroupBox *frame = nullptr;
    QList<CodingRow *> frameRows;
    for (int group = 0; group < int(groups.size()); ++group) {
        const QString caption = frames.value(group);
        if (frame && caption == frame->title()) {
            // A second group in one frame (number below person), set apart by a line.
            rowsLayout(frame)->addWidget(horizontalLine(frame));
        } else {
            if (frame) alignCodeLabels(frameRows);
            frame = codingFrame(caption, central);
            frameRows.clear();
            body->addWidget(frame, 0, Qt::AlignTop);
        }
        const auto rows = addCodingRows(frame, groups[group].codes, design == KeypadDesign::Category, true);
        frameRows << rows;
        auto *buttons = new QButtonGroup(this);
        QList<QRadioButton *> options;
        for (int i = 0; i < rows.size(); ++i) {
            QRadioButton *option = rows[i]->option();
            option->setObjectName(QStringLiteral("Option%1").arg(numbers[group].value(i)));
            buttons->addButton(option, i);
            options << option;
        }
        options.back()->setAccessibleName(fromCp1252(groups[group].clearName));
        m_options << options;
        // Opening shows nothing chosen; a choice sets its group's part only.
        connect(buttons, &QButtonGroup::idToggled, this, [this, group](int id, bool checked) {
            if (checked) m_parts.choose(m_design, std::size_t(group), std::size_t(id));
        });
    }
    alignCodeLabels(frameRows);

    auto *commands = new QVBoxLayout;
    Command1 = new QPushButton(QStringLiteral("OK"), central);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Cancella"), central);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton *button : {Command1, Command2}) {
        button->setAccessibleName(button->text());
        commands->addWidget(button);
    }
    commands->addStretch(1);
    body->addLayout(commands);
    setCentralWidget(central);

    QMenu *fichier = addMenu(menuBar(), "fichier", QStringLiteral("&Schedario"));
    quitter = addEntry(fichier, "quitter", QStringLiteral("&Esci"));
    about = addAboutMenu(menuBar(), m_desktop);

    connect(Command1, &QPushButton::clicked, this, &Keypad::accept);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(quitter, &QAction::triggered, this, &QWidget::close);
    resize(sizeHint());
}

Keypad::~Keypad() = default;

void Keypad::accept() {
    // The target's text is replaced, never appended to.
    if (m_target) setFieldText(*m_target, fromCp1252(coding::composeKeypad(m_design, m_parts)));
    close();
}

pave02_a::pave02_a(Desktop &desktop, coding::KeypadParts &parts, QWidget &target)
    : Keypad(desktop, KeypadDesign::Category, parts, target, italianFrames(KeypadDesign::Category),
             QStringLiteral("Orbalis - Pav\u00e9 2")) {}

pave03_a::pave03_a(Desktop &desktop, coding::KeypadParts &parts, QWidget &target)
    : Keypad(desktop, KeypadDesign::CaseGenderNumber, parts, target,
             italianFrames(KeypadDesign::CaseGenderNumber), QStringLiteral("Orbalis - Pav\u00e9 3")) {}

pave03_b::pave03_b(Desktop &desktop, coding::KeypadParts &parts, QWidget &target, MoodFrames frames)
    : Keypad(desktop, KeypadDesign::MoodTenseVoice, parts, target,
             frames == MoodFrames::Italian
                 ? italianFrames(KeypadDesign::MoodTenseVoice)
                 : QStringList{fromCp1252(coding::kMoodFrameFrench), fromCp1252(coding::kTenseFrameFrench),
                               fromCp1252(coding::kVoiceFrameFrench)},
             QStringLiteral("Orbalis - Pav\u00e9 3")) {}

pave02_a *openCategoryKeypad(Desktop &desktop, const QString &instance, QWidget &target, Showing showing) {
    return openKeypad<pave02_a>(desktop, instance, target, showing);
}

pave03_a *openCaseKeypad(Desktop &desktop, const QString &instance, QWidget &target, Showing showing) {
    return openKeypad<pave03_a>(desktop, instance, target, showing);
}

pave03_b *openMoodKeypad(Desktop &desktop, const QString &instance, QWidget &target, Showing showing,
                         MoodFrames frames) {
    return openKeypad<pave03_b>(desktop, instance, target, showing, frames);
}

}  // namespace orbalis::ui
