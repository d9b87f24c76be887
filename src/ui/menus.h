// Building the windows' menus. Every menu and entry carries its command's name as objectName, so
// tests and reports find it by that name; the caption is what the user reads ("&" marks the
// access key, which screen readers leave out). A shortcut shows beside the caption in the menu
// without changing it.
#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace orbalis::ui {

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption);
QMenu *addSubmenu(QMenu *menu, const char *name, const QString &caption);
QAction *addEntry(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {});

}  // namespace orbalis::ui
