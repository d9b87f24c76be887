#include "ui/frmAbout.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QSysInfo>
#include <QVBoxLayout>

#include <exception>

#include "records/data_paths.h"
#include "ui/desktop.h"
#include "ui/text_codec.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

namespace {

// Windows-1252, as every message of the system.
constexpr const char *kNoSystemInformation =
    "Les informations syst\xE8me ne sont pas disponibles actuellement";

// "N forme": a record count, or that the file cannot be read.
QString countText(const std::optional<std::int64_t> &count, const QString &unit) {
    if (!count) return QStringLiteral("file non leggibile");
    return QString::number(static_cast<qlonglong>(*count)) + u' ' + unit;
}

// What a user reports with a fault: the program's and Qt's versions, the system, and the data in use.
QString ownInformation(const DataFiles &data) {
    const DataDirectoryContents contents = dataDirectoryContents(data.builtInThesaurus, data.lexicon);
    const QString system = QSysInfo::prettyProductName() + QStringLiteral(" (") + QSysInfo::kernelType() +
                           u' ' + QSysInfo::kernelVersion() + QStringLiteral(", ") +
                           QSysInfo::currentCpuArchitecture() + u')';
    return QStringLiteral(
               "Versione: %1\nVersione di Qt: %2\nSistema: %3\nCartella dei dati: %4\n"
               "Thesaurus Orbalis: %5\nDizionario: %6")
        .arg(QStringLiteral(ORBALIS_VERSION), QString::fromLatin1(qVersion()), system,
             fromLocalPath(data.directory), countText(contents.thesaurusForms, QStringLiteral("forme")),
             countText(contents.lexiconLemmas, QStringLiteral("lemmi")));
}

}  // namespace

frmAbout::frmAbout(Desktop &desktop)
    : QDialog(nullptr),
      m_prompter(desktop.prompterFor(*this)),
      m_data(desktop.data()),
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
    // The application's icon; Qt's information picture where the icon cannot be drawn.
    const QIcon icon = QApplication::windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_FileDialogInfoView)
                           : QApplication::windowIcon();
    picIcon->setPixmap(icon.pixmap(48, 48));
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

QMessageBox *frmAbout::informationBox() const {
    return m_informationBox;
}

void frmAbout::startSysInfo() {
    for (const QString &program : std::as_const(m_systemInformationTools)) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty() && QProcess::startDetached(path, {})) return;
    }
    try {
        const QString information = ownInformation(m_data);
        if (m_informationBox) m_informationBox->close();
        m_informationBox = new QMessageBox(QMessageBox::Information, QStringLiteral("Orbalis - Informazioni"),
                                           information, QMessageBox::Ok, this);
        m_informationBox->setObjectName(QStringLiteral("informationBox"));
        m_informationBox->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_informationBox->setAttribute(Qt::WA_DeleteOnClose);
        m_informationBox->setWindowModality(Qt::WindowModal);
        m_informationBox->show();
    } catch (const std::exception &) {
        m_prompter->inform("", kNoSystemInformation, Icon::None);
    }
}

}  // namespace orbalis::ui
