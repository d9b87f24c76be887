#include "ui/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/desktop.h"

namespace orbalis::ui {

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption) {
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QMenu *addSubmenu(QMenu *menu, const char *name, const QString &caption) {
    QMenu *submenu = menu->addMenu(caption);
    submenu->setObjectName(QLatin1String(name));
    return submenu;
}

QAction *addEntry(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

QAction *addAboutMenu(QMenuBar *bar, Desktop &desktop) {
    QMenu *aide = addMenu(bar, "aide", QStringLiteral("&Aiuto"));
    QAction *about = addEntry(aide, "about", QStringLiteral("&A proposito"));
    QObject::connect(about, &QAction::triggered, &desktop, [&desktop] { desktop.showAbout(); });
    return about;
}

ReportEntries addReportEntries(QMenu *fichier) {
    return {addEntry(fichier, "imprimer", QStringLiteral("&Stampare"), QKeySequence::Print),
            addEntry(fichier, "apercu", QStringLiteral("Anteprima di stampa...")),
            addEntry(fichier, "exporter", QStringLiteral("&Esporta CSV..."))};
}

}  // namespace orbalis::ui
