#include "ui/application_setup.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace orbalis::ui {

namespace {

// Qt keeps sockets and locks in the session's runtime folder and warns on start where the session
// names none (a service, a terminal over ssh, a virtual display). The program then uses a folder of
// its own user, readable by nobody else, as the session would give it.
void ensureRuntimeFolder() {
    if (const char *given = std::getenv("XDG_RUNTIME_DIR"); given && *given) return;
    const char *temp = std::getenv("TMPDIR");
    std::string folder =
        std::string(temp && *temp ? temp : "/tmp") + "/orbalis-runtime-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::getuid()) {
        // Taken by someone else: a fresh folder of a random name instead.
        std::string pattern = std::string(temp && *temp ? temp : "/tmp") + "/orbalis-runtime-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) return;
        folder = pattern;
    } else if ((status.st_mode & 0777) != 0700) {
        ::chmod(folder.c_str(), 0700);
    }
    ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

}  // namespace

std::unique_ptr<QApplication> createApplication(int &argc, char **argv) {
    ensureRuntimeFolder();
    auto application = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbalis"));
    QApplication::setApplicationVersion(QStringLiteral(ORBALIS_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orbalis/orbalis.svg")));

    // Qt's translations are installed beside Qt (the Debian package qt6-translations-l10n).
    auto *qtTexts = new QTranslator(application.get());
    if (qtTexts->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
    return application;
}

}  // namespace orbalis::ui
