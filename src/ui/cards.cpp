#include "ui/cards.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "records/coding_system.h"
#include "ui/coding_rows.h"
#include "ui/desktop.h"
#include "ui/menus.h"
#include "ui/text_codec.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

namespace {

// A frame of descriptor rows; a second table, when given, follows below a short line.
QGroupBox *descriptorFrame(std::string_view title, std::span<const coding::Code> codes, QWidget *parent,
                           std::span<const coding::Code> below = {}) {
    QGroupBox *frame = codingFrame(fromCp1252(title), parent);
    auto rows = addCodingRows(frame, codes, false, false);
    if (!below.empty()) {
        rowsLayout(frame)->addWidget(horizontalLine(frame));
        rows << addCodingRows(frame, below, false, false);
    }
    rowsLayout(frame)->addStretch(1);
    alignCodeLabels(rows);
    return frame;
}

}  // namespace

ReferenceCard::ReferenceCard(Desktop &desktop, const QString &title) : QMainWindow(nullptr) {
    setWindowTitle(title);
    setAccessibleName(title);
    setBackground(this, kLightYellow);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new TitleBanner(fromCp1252(coding::kBanner), 16, central));
    m_body = new QWidget(central);
    layout->addWidget(m_body, 1);
    setCentralWidget(central);

    QMenu *fichier = addMenu(menuBar(), "fichier", QStringLiteral("&Schedario"));
    quitter = addEntry(fichier, "quitter", QStringLiteral("&Esci"));
    about = addAboutMenu(menuBar(), desktop);
    connect(quitter, &QAction::triggered, this, &QWidget::close);
}

pave02::pave02(Desktop &desktop) : ReferenceCard(desktop, QStringLiteral("Orbalis - Pav\u00e9 2")) {
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    QGroupBox *frame = codingFrame(fromCp1252(coding::kCategoryFrame), body());
    alignCodeLabels(addCodingRows(frame, coding::categories(), true, false));
    layout->addWidget(frame);
    resize(sizeHint());
}

pave03::pave03(Desktop &desktop) : ReferenceCard(desktop, QStringLiteral("Orbalis - Pav\u00e9 3")) {
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    auto *upper = new QHBoxLayout;
    upper->addWidget(descriptorFrame(coding::kCaseFrame, coding::cases(), body()));
    upper->addWidget(descriptorFrame(coding::kGenderFrame, coding::genders(), body()));
    upper->addWidget(
        descriptorFrame(coding::kNumberPersonFrame, coding::persons(), body(), coding::numbers()));
    auto *lower = new QHBoxLayout;
    lower->addWidget(descriptorFrame(coding::kMoodFrame, coding::moods(), body()));
    lower->addWidget(descriptorFrame(coding::kTenseFrame, coding::tenses(), body()));
    lower->addWidget(descriptorFrame(coding::kVoiceFrame, coding::voices(), body()));
    layout->addLayout(upper);
    // The rule across the card between the two rows of frames.
    layout->addWidget(horizontalLine(body()));
    layout->addLayout(lower);
    resize(sizeHint());
}

}  // namespace orbalis::ui
