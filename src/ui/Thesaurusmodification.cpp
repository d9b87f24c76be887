#include "ui/Thesaurusmodification.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/cards.h"
#include "ui/desktop.h"
#include "ui/keypads.h"
#include "ui/menus.h"
#include "ui/text_codec.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

namespace {

// The keypads this window opens, unloaded with it.
const char *const kKeypads[] = {"pave02_a2", "pave03_a2", "pave03_b2"};

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QString &description) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(description.isEmpty() ? caption : description);
    if (!description.isEmpty()) button->setToolTip(description);
    return button;
}

QString shown(const std::string &text) {
    QString shownText = fromCp1252(text);
    shownText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shownText;
}

std::string typed(const QPlainTextEdit *field) {
    QString text = field->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return toCp1252(text);
}

}  // namespace

Thesaurusmodification::Thesaurusmodification(Desktop &desktop)
    : QMainWindow(nullptr), m_desktop(desktop), m_prompter(desktop.prompterFor(*this)) {
    setWindowTitle(QStringLiteral("Orbalis - Modifica l'analisi del Thesaurus"));
    setAccessibleName(windowTitle());
    setBackground(this, kLightYellow);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new TitleBanner(central));
    auto *grid = new QGridLayout;
    layout->addLayout(grid);

    int row = 0;
    auto addLabel = [&](QWidget *field, const QString &caption) {
        if (row > 0) {
            auto *line = new QFrame(central);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, row++, 0, 1, 3);
        }
        auto *label = new QLabel(caption, central);
        label->setBuddy(field);
        field->setAccessibleName(caption);
        grid->addWidget(label, row, 0, Qt::AlignTop);
        grid->addWidget(field, row, 1);
    };
    auto multiLine = [&](const char *name, const QString &caption) {
        auto *field = new QPlainTextEdit(central);
        field->setObjectName(QLatin1String(name));
        field->setTabChangesFocus(true);
        field->setFixedHeight(field->fontMetrics().lineSpacing() * 2 + 12);
        addLabel(field, caption);
        ++row;
        return field;
    };
    Text1 = new QLineEdit(central);
    Text1->setObjectName(QStringLiteral("Text1"));
    addLabel(Text1, QStringLiteral("Forma :"));
    ++row;
    Text1->setEnabled(false);
    Text2 = multiLine("Text2", QStringLiteral("Lemma :"));
    Text3 = multiLine("Text3", QStringLiteral("Traduzione :"));
    Text4 = multiLine("Text4", QStringLiteral("Cat. gramm. :"));
    Command1_b = makeButton(central, "Command1_b", QStringLiteral("..."),
                            QStringLiteral("Tastiera: categoria grammaticale"));
    grid->addWidget(Command1_b, row - 1, 2, Qt::AlignTop);
    Text5 = multiLine("Text5", QStringLiteral("Caso, genere, numero :"));
    Command3 = makeButton(central, "Command3", QStringLiteral("..."),
                          QStringLiteral("Tastiera: caso, genere, numero"));
    grid->addWidget(Command3, row - 1, 2, Qt::AlignTop);
    Text6 = multiLine("Text6", QStringLiteral("Modo, tempi, voce :"));
    Command4 =
        makeButton(central, "Command4", QStringLiteral("..."), QStringLiteral("Tastiera: modo, tempi, voce"));
    grid->addWidget(Command4, row - 1, 2, Qt::AlignTop);
    for (QPushButton *keypad : {Command1_b, Command3, Command4}) keypad->setFixedWidth(36);
    Text7 = new QLineEdit(central);
    Text7->setObjectName(QStringLiteral("Text7"));
    Text7->hide();

    layout->addStretch(1);
    auto *buttons = new QHBoxLayout;
    Command5 = makeButton(central, "Command5", QStringLiteral("P2"), {});
    Command6 = makeButton(central, "Command6", QStringLiteral("P3"), {});
    Command2 = makeButton(central, "Command2", QStringLiteral("Salva"), {});
    Command1 = makeButton(central, "Command1", QStringLiteral("Cancella"), {});
    buttons->addWidget(Command5);
    buttons->addWidget(Command6);
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    layout->addLayout(buttons);
    setCentralWidget(central);

    QMenu *fichier = addMenu(menuBar(), "fichier", QStringLiteral("&Schedario"));
    quitter = addEntry(fichier, "quitter", QStringLiteral("&Esci"));
    about = addAboutMenu(menuBar(), m_desktop);

    // The keypads and the cards are modal over the editor, which is modal itself.
    connect(Command1_b, &QPushButton::clicked, this,
            [this] { openCategoryKeypad(m_desktop, QLatin1String(kKeypads[0]), *Text4, Showing::Modal); });
    connect(Command3, &QPushButton::clicked, this,
            [this] { openCaseKeypad(m_desktop, QLatin1String(kKeypads[1]), *Text5, Showing::Modal); });
    connect(Command4, &QPushButton::clicked, this, [this] {
        openMoodKeypad(m_desktop, QLatin1String(kKeypads[2]), *Text6, Showing::Modal, MoodFrames::French);
    });
    connect(Command5, &QPushButton::clicked, this, [this] { m_desktop.open<pave02>(Showing::Modal); });
    connect(Command6, &QPushButton::clicked, this, [this] { m_desktop.open<pave03>(Showing::Modal); });
    connect(Command2, &QPushButton::clicked, this, &Thesaurusmodification::save);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    connect(quitter, &QAction::triggered, this, &QWidget::close);
    resize(560, 470);
}

Thesaurusmodification::~Thesaurusmodification() = default;

void Thesaurusmodification::load(EntryEditing editing) {
    m_editing = std::move(editing);
    const AnalysisFields &fields = m_editing.entry.fields;
    Text1->setText(shown(fields.form));
    Text2->setPlainText(shown(fields.lemma));
    Text3->setPlainText(shown(fields.translation));
    Text4->setPlainText(shown(fields.category));
    Text5->setPlainText(shown(fields.caseGenderNumber));
    Text6->setPlainText(shown(fields.moodTenseVoice));
    Text7->setText(QString::number(m_editing.entry.recordNo));
}

AnalysisFields Thesaurusmodification::fields() const {
    return {
        m_editing.entry.fields.form, typed(Text2), typed(Text3), typed(Text4), typed(Text5), typed(Text6)};
}

void Thesaurusmodification::save() {
    if (m_editing.save && m_editing.save(fields(), *m_prompter)) close();
}

void Thesaurusmodification::closeEvent(QCloseEvent *event) {
    for (const char *keypad : kKeypads) m_desktop.unload(QLatin1String(keypad));
    event->accept();
}

}  // namespace orbalis::ui
