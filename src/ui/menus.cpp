#include "ui/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

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

}  // namespace orbalis::ui
