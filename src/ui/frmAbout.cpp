#include "ui/frmAbout.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/desktop.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

namespace {

// Windows-1252, as every message of the system.
constexpr const char *kNoSystemInformation =
    "Les informations syst\xE8me ne sont pas disponibles actuellement";

}  // namespace

frmAbout::frmAbout(Desktop &desktop)
    : QDialog(nullptr),
      m_prompter(desktop.prompterFor(*this)),
      m_systemInformationTools{QStringLiteral("hardinfo"), QStringLiteral("hardinfo2"),
                               QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-information")} {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Orbalis - A propos de "));
    setAccessibleName(windowTitle());
    setBackground(this, kLightYellow);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new TitleBanner(this));

    auto *head = new QHBoxLayout;
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setAccessibleName(QStringLiteral("Orbalis"));
    picIcon->setPixmap(style()->standardIcon(QStyle::SP_FileDialogInfoView).pixmap(48, 48));
    head->addWidget(picIcon);
    lblVersion = new QLabel(QStringLiteral("Version 3.5"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    head->addWidget(lblVersion, 1);
    layout->addLayout(head);

    auto *credits = new QGroupBox(QStringLiteral("Crédits"), this);
    credits->setObjectName(QStringLiteral("Frame1"));
    credits->setAccessibleName(credits->title());
    auto *lines = new QFormLayout(credits);
    lines->addRow(QStringLiteral("Réalisation :"), new QLabel(QStringLiteral("Progetto Orbalis"), credits));
    lines->addRow(QStringLiteral("Responsable: "),
                  new QLabel(QStringLiteral("Gruppo di lavoro Orbalis"), credits));
    lines->addRow(QStringLiteral("Transposition à la langue italienne grâce au coucours de :"),
                  new QLabel(QStringLiteral("Traduttori del progetto Orbalis"), credits));
    lines->addRow(QStringLiteral("Courriel:"), new QLabel(QStringLiteral("orbalis@example.org"), credits));
    lines->addRow(QStringLiteral("Site:"),
                  new QLabel(QStringLiteral("https://orbalis.example.org"), credits));
    layout->addWidget(credits);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdSysInfo = new QPushButton(QStringLiteral("&Infos système..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setAccessibleName(QStringLiteral("Infos système..."));
    cmdSysInfo->setAutoDefault(false);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAccessibleName(QStringLiteral("OK"));
    cmdOK->setDefault(true);
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons);

    // Escape rejects, Enter presses the default button: both close the box.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::startSysInfo);
}

frmAbout::~frmAbout() = default;

void frmAbout::startSysInfo() {
    for (const QString &program : std::as_const(m_systemInformationTools)) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty() && QProcess::startDetached(path, {})) return;
    }
    m_prompter->inform("", kNoSystemInformation, Icon::None);
}

}  // namespace orbalis::ui
